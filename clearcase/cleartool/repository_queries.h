#pragma once
// The repository listings the property pages offer: VOB tags, type names,
// pools, histories, directory contents, attribute value types, and which
// ClearCase product is installed. Each returns names one per line, each
// followed by CR LF; "" is an empty list and every failure.

#include <string>

#include "clearcase/cleartool/clearcase_type.h"

namespace clearcase {

std::string CCGetVOBNames();
// The project VOB tags, sorted.
std::string CCGetPVOBNames();
// The objects of one kind in one VOB: metadata types ("lbtype", "attype",
// ...), or "vob", "activity", "component", "folder", "stream", "project",
// "baseline", "pool". Locked objects appear under their bare names.
std::string CCGetTypeNames(const std::string& kind, const std::string& vob);
std::string CCGetLabelNames(const std::string& vob);
// The types of one kind of every VOB, each once, sorted. The walk over the
// VOBs ends at the first VOB that lists none.
std::string CCGetAllTypeNames(const std::string& kind);
std::string CCGetPoolsForVob(const std::string& vob);
std::string CCGetStoragePoolsForVOB(const std::string& vob);
// The versions of `Path` (relative to `Dir`), newest first, each once.
std::string CCGetHistory(const std::string& path, const std::string& dir);
std::string CCGetLS(const std::string& dir);
std::string CCDescribeObject(const std::string& selector);
// The value type word of an attribute type, e.g. "string"; "" when unknown.
std::string CCGetAttributeType(const std::string& name);
TClearCaseType CCGetClearCaseInstalledType();

// "lstype" parameters of a type listing.
std::string TypeListingParams(const std::string& kind, const std::string& vob, bool localOnly);
// Kinds whose characters 3 to 6 read "type" are listed by "lstype".
bool IsMetadataTypeKind(const std::string& kind);

}  // namespace clearcase
