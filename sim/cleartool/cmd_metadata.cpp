// mklbtype, mklabel, lock, unlock, mkattype, mkattr, and object selector lookup.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "sim/cleartool/commands.h"
#include "sim/cleartool/paths.h"
#include "sim/cleartool/text.h"

namespace ctsim {

namespace {

std::string Capitalized(std::string s) {
  if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
  return s;
}

bool IsTypeKind(std::string_view kind) {
  return kind.size() == 6 && kind.substr(2) == "type";
}

void CheckName(const std::string& name) {
  bool bad = name.empty() || std::isdigit(static_cast<unsigned char>(name[0]));
  for (char c : name) {
    if (std::isspace(static_cast<unsigned char>(c)) || c == '@' || c == ':' || c == '/' ||
        c == '\\' || c == '"')
      bad = true;
  }
  if (bad) throw CtError("Invalid name: " + Quoted(name) + ".");
}

Selector TypeSelector(const std::string& text, const char* kind) {
  Selector sel = ParseSelector(text);
  if (!sel.kind.empty() && sel.kind != kind) {
    throw CtError("Not a " + KindWords(kind) + " selector: " + Quoted(text) + ".");
  }
  return sel;
}

std::string Comment(const Args& args) {
  const std::string* c = args.Value("-c");
  return c ? *c : "";
}

// Creates a type, or with -replace redefines it; returns the node to fill in.
pugi::xml_node MakeType(Context& ctx, const Args& args, const std::string& text, const char* kind,
                        const char* operation) {
  Selector sel = TypeSelector(text, kind);
  pugi::xml_node vob = VobOf(ctx, sel);
  CheckUnlocked(ctx, vob, "VOB", operation);
  CheckName(sel.name);
  pugi::xml_node type = FindType(vob, kind, sel.name);
  if (type && !args.Has("-replace")) throw CtError("Name " + Quoted(sel.name) + " already exists.");
  if (type) {
    CheckUnlocked(ctx, type, KindWords(kind) + " " + Quoted(sel.name), operation);
    ctx.Print("Replaced definition of " + KindWords(kind) + " " + Quoted(sel.name) + ".");
  } else {
    type = vob.append_child(TypeNodeName(kind));
    type.append_attribute("name") = sel.name.c_str();
    type.append_attribute("created") = ctx.Now().c_str();
    type.append_attribute("owner") = ctx.user.c_str();
    ctx.Print("Created " + KindWords(kind) + " " + Quoted(sel.name) + ".");
  }
  SetAttr(type, "scope", args.Has("-global") ? "global" : "ordinary");
  SetAttr(type, "shared", args.Has("-shared") ? "true" : "false");
  std::string comment = Comment(args);
  if (!comment.empty()) SetAttr(type, "comment", comment);
  ctx.changed = true;
  return type;
}

void CheckScope(const Args& args) {
  Exclusive(args, {"-global", "-ordinary"});
  if (args.Has("-acquire") && !args.Has("-global")) {
    throw CtError("Option \"-acquire\" is valid only with \"-global\".");
  }
}

// A path-name target: one element version, or with -recurse every element below a directory.
struct VersionTarget {
  mutable pugi::xml_node element;
  mutable pugi::xml_node version;
  std::string shown;
};

std::vector<VersionTarget> VersionTargets(const Context& ctx, const Args& args,
                                          const std::string& pname) {
  ElementRef ref = ResolveElement(ctx, pname);
  std::vector<VersionTarget> targets;
  auto pick = [&](pugi::xml_node element, const std::string& shown) {
    pugi::xml_node v = SelectedVersion(element);
    std::string sel = !ref.versionExt.empty() ? ref.versionExt
                      : args.Value("-version") ? *args.Value("-version")
                                               : "";
    if (!sel.empty()) v = ResolveVersion(element, sel);
    if (!v) throw CtError("Version not found: " + Quoted(shown + "@@" + sel) + ".");
    targets.push_back({element, v, shown});
  };
  pick(ref.element, ref.shown);
  if (args.Has("-recurse") && IsDirectoryElement(ref.element)) {
    for (pugi::xml_node e : ref.loc.vob.children("Element")) {
      std::string rel = e.attribute("path").as_string();
      if (e != ref.element && IsUnder(rel, ref.loc.rel)) {
        pick(e, ctx.Show(ref.shown + "/" + RelativeTo(rel, ref.loc.rel)));
      }
    }
  }
  return targets;
}

pugi::xml_node LabelHolder(pugi::xml_node element, pugi::xml_node version, const std::string& name,
                           bool perBranch) {
  for (pugi::xml_node event : HistoryNewestFirst(element)) {
    if (perBranch && event.parent() != version.parent()) continue;
    if (FindChildNamed(event, "Label", name)) return event;
  }
  return {};
}

void LabelOne(Context& ctx, const Args& args, const Selector& sel, const VersionTarget& t) {
  pugi::xml_node vob = t.element.parent();
  if (sel.hasVob && !ctx.world.SameTag(sel.vob, vob.attribute("tag").as_string())) {
    VobByTag(ctx, sel.vob);
  }
  pugi::xml_node type = FindType(vob, "lbtype", sel.name);
  if (!type) throw CtError("Label type not found: " + Quoted(sel.name) + ".");
  CheckUnlocked(ctx, vob, "VOB", "make label");
  CheckUnlocked(ctx, type, "label type " + Quoted(sel.name), "make label");
  CheckUnlocked(ctx, t.element, "element " + Quoted(t.shown), "make label");
  std::string version = ctx.Show(VersionPath(t.version));
  pugi::xml_node holder =
      LabelHolder(t.element, t.version, sel.name, type.attribute("pbranch").as_bool());
  if (holder && !args.Has("-replace")) {
    throw CtError("Label " + Quoted(sel.name) + " is already on " + Quoted(t.shown) + " version " +
                  Quoted(ctx.Show(VersionPath(holder))) + ".");
  }
  if (holder == t.version) {
    ctx.Print("Label " + Quoted(sel.name) + " is already on " + Quoted(t.shown) + " version " +
              Quoted(version) + ".");
    return;
  }
  if (holder) holder.remove_child(FindChildNamed(holder, "Label", sel.name));
  t.version.append_child("Label").append_attribute("name") = sel.name.c_str();
  ctx.changed = true;
  if (holder) {
    ctx.Print("Moved label " + Quoted(sel.name) + " on " + Quoted(t.shown) + " from version " +
              Quoted(ctx.Show(VersionPath(holder))) + " to " + Quoted(version) + ".");
  } else {
    ctx.Print("Created label " + Quoted(sel.name) + " on " + Quoted(t.shown) + " version " +
              Quoted(version) + ".");
  }
}

}  // namespace

void Mklbtype(Context& ctx, const Args& args) {
  RequireOperands(args.operands, 1);
  CheckScope(args);
  ctx.ForEach(args.operands, 0, [&](const std::string& text) {
    pugi::xml_node type = MakeType(ctx, args, text, "lbtype", "make label type");
    SetAttr(type, "pbranch", args.Has("-pbranch") ? "true" : "false");
  });
}

void Mklabel(Context& ctx, const Args& args) {
  RequireOperands(args.operands, 2);
  Selector sel = TypeSelector(args.operands[0], "lbtype");
  ctx.ForEach(args.operands, 1, [&](const std::string& pname) {
    for (const VersionTarget& t : VersionTargets(ctx, args, pname)) LabelOne(ctx, args, sel, t);
  });
}

ObjectRef ResolveObject(const Context& ctx, const std::string& text) {
  Selector sel = ParseSelector(text);
  ObjectRef ref;
  ref.kind = sel.kind;
  std::string what = KindWords(sel.kind) + " " + Quoted(sel.name);
  if (sel.kind == "vob") {
    ref.node = ref.vob = VobByTag(ctx, sel.name);
    ref.what = "VOB " + Quoted(sel.name);
    return ref;
  }
  if (IsTypeKind(sel.kind) || sel.kind == "pool") {
    ref.vob = VobOf(ctx, sel);
    ref.node = sel.kind == "pool" ? FindNamed(ref.vob, "Pool", sel.name)
                                  : FindType(ref.vob, sel.kind, sel.name);
    if (!ref.node)
      throw CtError(Capitalized(KindWords(sel.kind)) + " not found: " + Quoted(sel.name) + ".");
  } else if (UcmNodeName(sel.kind)) {
    ref.node = FindUcm(ctx, sel.kind, text);
    ref.vob = ref.node.parent();
  } else {
    throw CtError("Unable to find object " + Quoted(text) + ".");
  }
  ref.what = what;
  return ref;
}

ObjectRef ResolveTarget(const Context& ctx, const std::string& text, bool pname) {
  if (!pname && !ParseSelector(text).kind.empty()) return ResolveObject(ctx, text);
  ElementRef e = ResolveElement(ctx, text);
  return {e.element, "element", "element " + Quoted(e.shown), e.loc.vob};
}

void Lock(Context& ctx, const Args& args) {
  RequireOperands(args.operands, 1);
  Exclusive(args, {"-nusers", "-obsolete"});
  ctx.ForEach(args.operands, 0, [&](const std::string& text) {
    ObjectRef ref = ResolveTarget(ctx, text, args.Has("-pname"));
    if (IsLocked(ref.node) && !args.Has("-replace")) {
      throw CtError("Object is already locked: " + ref.what + ".");
    }
    SetAttr(ref.node, "locked", "true");
    SetAttr(ref.node, "obsolete", args.Has("-obsolete") ? "true" : "false");
    const std::string* nusers = args.Value("-nusers");
    if (nusers) {
      SetAttr(ref.node, "nusers", *nusers);
    } else {
      ref.node.remove_attribute("nusers");
    }
    ctx.changed = true;
    ctx.Print("Locked " + ref.what + ".");
  });
}

void Unlock(Context& ctx, const Args& args) {
  RequireOperands(args.operands, 1);
  ctx.ForEach(args.operands, 0, [&](const std::string& text) {
    ObjectRef ref = ResolveTarget(ctx, text, args.Has("-pname"));
    if (!IsLocked(ref.node)) throw CtError("Object is not locked: " + ref.what + ".");
    for (const char* attr : {"locked", "obsolete", "nusers"}) ref.node.remove_attribute(attr);
    ctx.changed = true;
    ctx.Print("Unlocked " + ref.what + ".");
  });
}

namespace {

const char* const kValueTypes[] = {"integer", "real", "time", "string", "opaque"};

bool IsQuoted(const std::string& value) {
  return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

[[noreturn]] void RefuseValue(const std::string& vtype, const std::string& value,
                              const char* hint) {
  throw CtError("Value " + Quoted(value) + " is not valid for value type " + Quoted(vtype) + hint +
                ".");
}

// A value as cleartool takes it from its argument: a string must arrive in
// its double quotes (which are not kept), the other types without quotes. The
// result is the value as stored.
std::string ValueOf(const std::string& vtype, const std::string& value) {
  if (vtype == "string") {
    if (!IsQuoted(value))
      RefuseValue(vtype, value, " (a string value is written in double quotes)");
    return value.substr(1, value.size() - 2);
  }
  long long number;
  const bool ok = vtype == "integer" ? ParseInteger(value, &number)
                  : vtype == "real"  ? ParseReal(value)
                                     : !value.empty() && value.find('"') == std::string::npos;
  if (!ok) RefuseValue(vtype, value, vtype == "integer" ? " (a whole number)" : "");
  return value;
}

void CheckValue(const std::string& vtype, const std::string& value) {
  ValueOf(vtype, value);
}

void CheckBounds(const Args& args, const std::string& vtype) {
  for (const char* option : {"-gt", "-ge", "-lt", "-le"}) {
    const std::string* bound = args.Value(option);
    if (!bound) continue;
    if (vtype == "string" || vtype == "opaque") {
      throw CtError("Range options are not valid for value type " + Quoted(vtype) + ".");
    }
    CheckValue(vtype, *bound);
  }
}

}  // namespace

void Mkattype(Context& ctx, const Args& args) {
  RequireOperands(args.operands, 1);
  CheckScope(args);
  Exclusive(args, {"-vpelement", "-vpbranch", "-vpversion"});
  Exclusive(args, {"-gt", "-ge"});
  Exclusive(args, {"-lt", "-le"});
  const std::string* vtype = args.Value("-vtype");
  if (!vtype) throw CtError("Option \"-vtype\" is required.");
  if (std::find(std::begin(kValueTypes), std::end(kValueTypes), *vtype) == std::end(kValueTypes)) {
    throw CtError("Invalid value type: " + Quoted(*vtype) + ".");
  }
  CheckBounds(args, *vtype);
  const std::string* def = args.Value("-default");
  const std::string stored = def ? ValueOf(*vtype, *def) : std::string();
  ctx.ForEach(args.operands, 0, [&](const std::string& text) {
    pugi::xml_node type = MakeType(ctx, args, text, "attype", "make attribute type");
    SetAttr(type, "vtype", *vtype);
    type.remove_attribute("default");
    if (def) SetAttr(type, "default", stored);
    for (const char* c : {"-vpelement", "-vpbranch", "-vpversion"}) {
      if (args.Has(c)) SetAttr(type, "constraint", c + 1);
    }
    for (const char* option : {"-gt", "-ge", "-lt", "-le"}) {
      type.remove_attribute(option + 1);
      if (const std::string* bound = args.Value(option)) SetAttr(type, option + 1, *bound);
    }
  });
}

namespace {

void AttachOne(Context& ctx, const Args& args, const Selector& sel, const std::string& value,
               pugi::xml_node target, pugi::xml_node vob, const std::string& shown) {
  pugi::xml_node typeVob = sel.hasVob ? VobByTag(ctx, sel.vob) : vob;
  pugi::xml_node type = FindType(typeVob, "attype", sel.name);
  if (!type) throw CtError("Attribute type not found: " + Quoted(sel.name) + ".");
  CheckUnlocked(ctx, vob, "VOB", "make attribute");
  CheckUnlocked(ctx, type, "attribute type " + Quoted(sel.name), "make attribute");
  std::string v;
  if (args.Has("-default")) {
    if (!type.attribute("default")) {
      throw CtError("Attribute type " + Quoted(sel.name) + " has no default value.");
    }
    v = type.attribute("default").as_string();  // stored as a value, already checked
  } else {
    v = ValueOf(type.attribute("vtype").as_string("string"), value);
  }
  pugi::xml_node attr = FindChildNamed(target, "Attr", sel.name);
  if (attr && !args.Has("-replace")) {
    throw CtError("Attribute " + Quoted(sel.name) + " already exists on " + Quoted(shown) + ".");
  }
  bool changed = static_cast<bool>(attr);
  if (!attr) {
    attr = target.append_child("Attr");
    attr.append_attribute("name") = sel.name.c_str();
  }
  SetAttr(attr, "value", v);
  ctx.changed = true;
  ctx.Print(std::string(changed ? "Changed" : "Created") + " attribute " + Quoted(sel.name) +
            " on " + Quoted(shown) + ".");
}

}  // namespace

void Mkattr(Context& ctx, const Args& args) {
  size_t firstTarget = args.Has("-default") ? 1 : 2;
  RequireOperands(args.operands, firstTarget + 1);
  Selector sel = TypeSelector(args.operands[0], "attype");
  std::string value = args.Has("-default") ? "" : args.operands[1];
  bool pname = args.Has("-pname");
  ctx.ForEach(args.operands, firstTarget, [&](const std::string& text) {
    if (pname || ParseSelector(text).kind.empty()) {
      for (const VersionTarget& t : VersionTargets(ctx, args, text)) {
        AttachOne(ctx, args, sel, value, t.version, t.element.parent(),
                  t.shown + "@@" + ctx.Show(VersionPath(t.version)));
      }
      return;
    }
    ObjectRef ref = ResolveObject(ctx, text);
    AttachOne(ctx, args, sel, value, ref.node, ref.vob, text);
  });
}

}  // namespace ctsim
