#pragma once
// The UCM listings the property pages offer: activities, streams,
// components, folders, projects, baselines and promotion levels. `PVOB` is a
// project VOB tag; `Stream` and `Project` are names without their VOB part
// (the query appends "@" and the tag); `View` is a view directory. Each
// returns names one per line, each followed by CR LF; "" is an empty list and
// every failure.

#include <string>

#include "clearcase/cleartool/string_lists.h"

namespace clearcase {

std::string CCGetUCMActivitiesForVOB(const std::string& pvob);
std::string CCGetUCMComponentsForVOB(const std::string& pvob);
std::string CCGetUCMFoldersForVOB(const std::string& pvob);
std::string CCGetUCMStreamsForVOB(const std::string& pvob);
std::string CCGetUCMProjectsForVOB(const std::string& pvob);
std::string CCGetUCMComponentsForView(const std::string& view);
// Every stream of the VOB when `Project` is empty.
std::string CCGetUCMStreamsForProject(const std::string& project, const std::string& pvob);
// Every activity of the VOB when `Stream` is empty.
std::string CCGetUCMActivitiesForStream(const std::string& stream, const std::string& pvob);
std::string CCGetUCMActivitiesForProject(const std::string& project, const std::string& pvob);

// The activities of the stream the view is attached to.
std::string CCGetUCMActivities(const std::string& view);
std::string CCGetUCMComponentsForStream(const std::string& stream, const std::string& pvob);
std::string CCGetUCMComponentsForProject(const std::string& project, const std::string& pvob);
// In the order the VOB defines them.
std::string CCGetUCMPromoLevelsForPVOB(const std::string& pvob);
// Baselines in descending order; those of several streams each once.
std::string CCGetUCMBaselinesForStream(const std::string& stream, const std::string& pvob);
std::string CCGetUCMBaselinesForProject(const std::string& project, const std::string& pvob);
std::string CCGetUCMBaselinesForVOB(const std::string& pvob);
// Every component of every VOB as "NAME@VOB", VOB by VOB.
std::string CCGetAllUCMComponents();

// The component names in the baselines of a long stream or project listing.
std::string ExtractBaselineComponents(const std::string& listing);

}  // namespace clearcase
