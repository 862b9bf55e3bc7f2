// Relations between UCM objects, shared by the UCM listings and changes.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <vector>

#include "sim/cleartool/context.h"

namespace ctsim {

pugi::xml_node ProjectOfStream(pugi::xml_node stream);
std::vector<pugi::xml_node> StreamsOfProject(pugi::xml_node project);
std::vector<pugi::xml_node> ActivitiesOfStream(pugi::xml_node stream);
std::vector<pugi::xml_node> BaselinesOf(pugi::xml_node stream, const char* listAttr);
// Components of a stream: those of its foundation baselines, then the project's modifiable ones.
std::vector<pugi::xml_node> ComponentsOfStream(pugi::xml_node stream);
std::vector<pugi::xml_node> ViewsOfStream(const Context& ctx, pugi::xml_node stream);
bool IsModifiable(pugi::xml_node stream, const std::string& component);
// The project VOB named by -invob, or that of the current view's stream, or the cwd's VOB.
pugi::xml_node PvobFor(const Context& ctx, const std::string* invob);
// The current view's stream; throws when there is none.
pugi::xml_node CurrentStream(const Context& ctx);
bool IsObsolete(pugi::xml_node node);

}  // namespace ctsim
