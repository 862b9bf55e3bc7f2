#include "sim/cleartool/model.h"

#include <algorithm>
#include <cstring>

#include "sim/cleartool/text.h"

namespace ctsim {

namespace {

std::string Slashes(std::string s) {
  std::replace(s.begin(), s.end(), '\\', '/');
  return s;
}

void Preorder(pugi::xml_node branch, std::vector<pugi::xml_node>& out) {
  out.push_back(branch);
  for (pugi::xml_node child : branch.children()) {
    if (std::strcmp(child.name(), "Version") == 0) {
      out.push_back(child);
    } else if (std::strcmp(child.name(), "Branch") == 0) {
      Preorder(child, out);
    }
  }
}

std::vector<pugi::xml_node> Events(pugi::xml_node element) {
  std::vector<pugi::xml_node> events;
  for (pugi::xml_node branch : element.children("Branch")) Preorder(branch, events);
  return events;
}

long SeqOf(pugi::xml_node event, long index) {
  return event.attribute("seq").as_llong(index);
}

}  // namespace

pugi::xml_node FindElement(pugi::xml_node vob, std::string_view rel) {
  for (pugi::xml_node element : vob.children("Element")) {
    if (rel == element.attribute("path").as_string()) return element;
  }
  return {};
}

bool IsDirectoryElement(pugi::xml_node element) {
  return std::strcmp(element.attribute("type").as_string(), "directory") == 0;
}

pugi::xml_node FindBranch(pugi::xml_node element, std::string_view branchPath) {
  pugi::xml_node node = element;
  for (const std::string& name : Split(Slashes(std::string(branchPath)), '/')) {
    if (name.empty()) continue;
    node = FindChildNamed(node, "Branch", name);
    if (!node) return {};
  }
  return node == element ? pugi::xml_node() : node;
}

std::string BranchPath(pugi::xml_node branch) {
  std::vector<std::string> names;
  for (pugi::xml_node n = branch; n && std::strcmp(n.name(), "Branch") == 0; n = n.parent()) {
    names.emplace_back(n.attribute("name").as_string());
  }
  std::string path;
  for (auto it = names.rbegin(); it != names.rend(); ++it) path.append("/").append(*it);
  return path;
}

std::string VersionPath(pugi::xml_node version) {
  return BranchPath(version.parent()) + "/" + version.attribute("id").as_string();
}

pugi::xml_node LatestVersion(pugi::xml_node branch) {
  pugi::xml_node latest;
  for (pugi::xml_node v : branch.children("Version")) {
    if (!latest || v.attribute("id").as_int() > latest.attribute("id").as_int()) latest = v;
  }
  return latest;
}

pugi::xml_node ResolveVersion(pugi::xml_node element, std::string selector) {
  selector = Slashes(selector);
  if (selector.empty() || selector[0] != '/') {
    for (pugi::xml_node event : Events(element)) {
      if (FindChildNamed(event, "Label", selector)) return event;
    }
    return {};
  }
  size_t cut = selector.rfind('/');
  pugi::xml_node branch = FindBranch(element, selector.substr(0, cut));
  if (!branch) return {};
  std::string id = selector.substr(cut + 1);
  if (id == "LATEST") return LatestVersion(branch);
  for (pugi::xml_node v : branch.children("Version")) {
    if (id == v.attribute("id").as_string()) return v;
  }
  return {};
}

pugi::xml_node SelectedVersion(pugi::xml_node element) {
  return LatestVersion(FindBranch(element, "/main"));
}

pugi::xml_node FindCheckout(pugi::xml_node element, std::string_view viewTag) {
  for (pugi::xml_node co : element.children("Checkout")) {
    if (viewTag == co.attribute("view").as_string()) return co;
  }
  return {};
}

std::vector<pugi::xml_node> HistoryNewestFirst(pugi::xml_node element) {
  std::vector<pugi::xml_node> events = Events(element);
  std::vector<std::pair<long, pugi::xml_node>> keyed;
  for (size_t i = 0; i < events.size(); ++i) {
    keyed.emplace_back(SeqOf(events[i], static_cast<long>(i)), events[i]);
  }
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<pugi::xml_node> sorted;
  for (const auto& entry : keyed) sorted.push_back(entry.second);
  return sorted;
}

long NextSeq(pugi::xml_node element) {
  std::vector<pugi::xml_node> events = Events(element);
  long next = static_cast<long>(events.size());
  for (size_t i = 0; i < events.size(); ++i) {
    next = std::max(next, SeqOf(events[i], static_cast<long>(i)) + 1);
  }
  return next;
}

namespace {

const char* const kKinds[] = {"vob",      "lbtype",  "attype",    "brtype", "eltype",
                              "hltype",   "trtype",  "pool",      "stream", "activity",
                              "baseline", "project", "component", "folder", "replica"};

}  // namespace

bool IsKnownKind(std::string_view kind) {
  return std::find(std::begin(kKinds), std::end(kKinds), kind) != std::end(kKinds);
}

Selector ParseSelector(std::string_view text) {
  Selector sel;
  size_t colon = text.find(':');
  if (colon != std::string_view::npos && IsKnownKind(text.substr(0, colon))) {
    sel.kind = std::string(text.substr(0, colon));
    text.remove_prefix(colon + 1);
  }
  size_t at = text.find('@');
  if (at != std::string_view::npos && sel.kind != "vob") {
    sel.vob = std::string(text.substr(at + 1));
    sel.hasVob = true;
    text = text.substr(0, at);
  }
  sel.name = std::string(text);
  return sel;
}

std::string KindWords(std::string_view kind) {
  static const std::pair<const char*, const char*> kWords[] = {{"lbtype", "label type"},
                                                               {"attype", "attribute type"},
                                                               {"brtype", "branch type"},
                                                               {"eltype", "element type"},
                                                               {"hltype", "hyperlink type"},
                                                               {"trtype", "trigger type"},
                                                               {"vob", "versioned object base"},
                                                               {"pool", "pool"},
                                                               {"stream", "stream"},
                                                               {"activity", "activity"},
                                                               {"baseline", "baseline"},
                                                               {"project", "project"},
                                                               {"component", "component"},
                                                               {"folder", "folder"},
                                                               {"replica", "replica"}};
  for (const auto& [k, words] : kWords) {
    if (kind == k) return words;
  }
  return std::string(kind);
}

const char* UcmNodeName(std::string_view kind) {
  if (kind == "stream") return "Stream";
  if (kind == "activity") return "Activity";
  if (kind == "baseline") return "Baseline";
  if (kind == "project") return "Project";
  if (kind == "component") return "Component";
  if (kind == "folder") return "Folder";
  if (kind == "pool") return "Pool";
  return nullptr;
}

namespace {

const std::pair<const char*, const char*> kTypeNodes[] = {
    {"lbtype", "LabelType"},   {"attype", "AttributeType"}, {"brtype", "BranchType"},
    {"eltype", "ElementType"}, {"hltype", "HyperlinkType"}, {"trtype", "TriggerType"}};

}  // namespace

const char* TypeNodeName(std::string_view kind) {
  for (const auto& [k, node] : kTypeNodes) {
    if (kind == k) return node;
  }
  return nullptr;
}

std::string TypeKindOf(pugi::xml_node type) {
  for (const auto& [k, node] : kTypeNodes) {
    if (std::strcmp(type.name(), node) == 0) return k;
  }
  return "";
}

pugi::xml_node FindType(pugi::xml_node vob, std::string_view kind, std::string_view name) {
  const char* nodeName = TypeNodeName(kind);
  return nodeName ? FindChildNamed(vob, nodeName, name) : pugi::xml_node();
}

pugi::xml_node FindNamed(pugi::xml_node vob, const char* nodeName, std::string_view name) {
  return FindChildNamed(vob, nodeName, name);
}

std::vector<std::string> ListAttr(pugi::xml_node node, const char* attr) {
  std::vector<std::string> items;
  for (const std::string& item : Split(node.attribute(attr).as_string(), ',')) {
    std::string trimmed = Trim(item);
    if (!trimmed.empty()) items.push_back(trimmed);
  }
  return items;
}

void SetListAttr(pugi::xml_node node, const char* attr, const std::vector<std::string>& items) {
  if (!node.attribute(attr)) node.append_attribute(attr);
  node.attribute(attr).set_value(Join(items, ",").c_str());
}

bool IsLocked(pugi::xml_node node) {
  return node.attribute("locked").as_bool(false);
}

bool LockApplies(pugi::xml_node node, std::string_view user) {
  if (!IsLocked(node)) return false;
  for (const std::string& exempt : ListAttr(node, "nusers")) {
    if (exempt == user) return false;
  }
  return true;
}

pugi::xml_node FindChildNamed(pugi::xml_node node, const char* child, std::string_view name) {
  for (pugi::xml_node c : node.children(child)) {
    if (name == c.attribute("name").as_string()) return c;
  }
  return {};
}

}  // namespace ctsim
