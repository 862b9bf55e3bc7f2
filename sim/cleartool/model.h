// Reading the world's objects: elements and their versions, metadata types,
// UCM objects and object selectors.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace ctsim {

class World;

// --- Elements and versions ("/" separated branch paths such as "/main/dev/2").
pugi::xml_node FindElement(pugi::xml_node vob, std::string_view rel);
bool IsDirectoryElement(pugi::xml_node element);
pugi::xml_node FindBranch(pugi::xml_node element, std::string_view branchPath);
std::string BranchPath(pugi::xml_node branch);
std::string VersionPath(pugi::xml_node version);
pugi::xml_node LatestVersion(pugi::xml_node branch);
// "/main/3", "/main/LATEST" or a label type name; null when nothing matches.
pugi::xml_node ResolveVersion(pugi::xml_node element, std::string selector);
// The version a view selects: the latest on /main.
pugi::xml_node SelectedVersion(pugi::xml_node element);
pugi::xml_node FindCheckout(pugi::xml_node element, std::string_view viewTag);
// Branches and versions of an element, newest first.
std::vector<pugi::xml_node> HistoryNewestFirst(pugi::xml_node element);
// The next free event number of an element, used to order later history.
long NextSeq(pugi::xml_node element);

// --- Object selectors: "kind:name@vob", each part optional except the name.
struct Selector {
  std::string kind;
  std::string name;
  std::string vob;
  bool hasVob = false;
};
Selector ParseSelector(std::string_view text);
bool IsKnownKind(std::string_view kind);
// "label type", "stream", ... as cleartool names a kind in messages.
std::string KindWords(std::string_view kind);
// The XML element name that holds objects of a UCM kind ("Stream" for "stream").
const char* UcmNodeName(std::string_view kind);

// Types are stored one element name per kind: <LabelType>, <AttributeType>, ...
const char* TypeNodeName(std::string_view kind);  // null for a kind that is no type
std::string TypeKindOf(pugi::xml_node type);      // "lbtype" for a <LabelType>
pugi::xml_node FindType(pugi::xml_node vob, std::string_view kind, std::string_view name);
pugi::xml_node FindNamed(pugi::xml_node vob, const char* nodeName, std::string_view name);
std::vector<std::string> ListAttr(pugi::xml_node node, const char* attr);
void SetListAttr(pugi::xml_node node, const char* attr, const std::vector<std::string>& items);

// --- Locks.
bool IsLocked(pugi::xml_node node);
// True when a lock on node applies to user (not exempt through "nusers").
bool LockApplies(pugi::xml_node node, std::string_view user);

// --- Labels and attributes attached to any object node.
pugi::xml_node FindChildNamed(pugi::xml_node node, const char* child, std::string_view name);

}  // namespace ctsim
