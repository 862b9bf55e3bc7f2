// mkactivity, setactivity, mkbl, chbl, chstream.
#include <algorithm>
#include <cctype>
#include <ctime>

#include "sim/cleartool/commands.h"
#include "sim/cleartool/text.h"
#include "sim/cleartool/ucm.h"

namespace ctsim {

namespace {

std::string Name(pugi::xml_node node) {
  return node.attribute("name").as_string();
}

void CheckName(const std::string& name) {
  bool bad = name.empty();
  for (char c : name) {
    if (std::isspace(static_cast<unsigned char>(c)) || c == '@' || c == ':' || c == '/' ||
        c == '\\' || c == '"' || c == ',')
      bad = true;
  }
  if (bad) throw CtError("Invalid name: " + Quoted(name) + ".");
}

pugi::xml_node NewObject(Context& ctx, pugi::xml_node pvob, const char* nodeName,
                         const std::string& name, const Args& args) {
  pugi::xml_node node = pvob.append_child(nodeName);
  node.append_attribute("name") = name.c_str();
  node.append_attribute("created") = ctx.Now().c_str();
  node.append_attribute("owner") = ctx.user.c_str();
  if (const std::string* c = args.Value("-c"); c && !c->empty()) {
    node.append_attribute("comment") = c->c_str();
  }
  ctx.changed = true;
  return node;
}

std::string GeneratedActivityName(pugi::xml_node pvob) {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "activity%y%m%d.%H%M%S", &tm);
  std::string name = stamp;
  for (int n = 1; FindNamed(pvob, "Activity", name); ++n) {
    name.assign(stamp);
    name.append(1, '_');
    name.append(std::to_string(n));
  }
  return name;
}

void SetCurrent(Context& ctx, pugi::xml_node view, pugi::xml_node activity) {
  SetAttr(view, "activity", Name(activity));
  ctx.changed = true;
  ctx.Print("Set activity " + Quoted(Name(activity)) + " in view " +
            Quoted(view.attribute("tag").as_string()) + ".");
}

}  // namespace

void Mkactivity(Context& ctx, const Args& args) {
  Location here = ctx.Here();
  pugi::xml_node view = here.view;
  pugi::xml_node stream =
      args.Value("-in") ? FindUcm(ctx, "stream", *args.Value("-in")) : CurrentStream(ctx);
  pugi::xml_node pvob = stream.parent();
  CheckUnlocked(ctx, pvob, "VOB", "make activity");
  CheckUnlocked(ctx, stream, "stream " + Quoted(Name(stream)), "make activity");
  bool set = !args.Has("-nset") && view && StreamOfView(ctx, view) == stream;
  std::vector<std::string> names = args.operands;
  if (names.empty()) names.push_back(GeneratedActivityName(pvob));
  ctx.ForEach(names, 0, [&](const std::string& text) {
    Selector sel = ParseSelector(text);
    if (!sel.kind.empty() && sel.kind != "activity") {
      throw CtError("Not an activity selector: " + Quoted(text) + ".");
    }
    if (sel.hasVob && VobByTag(ctx, sel.vob) != pvob) {
      throw CtError("Activity " + Quoted(sel.name) + " must be made in the project VOB of stream " +
                    Quoted(Name(stream)) + ".");
    }
    CheckName(sel.name);
    if (FindNamed(pvob, "Activity", sel.name)) {
      throw CtError("Name " + Quoted(sel.name) + " already exists.");
    }
    pugi::xml_node activity = NewObject(ctx, pvob, "Activity", sel.name, args);
    activity.append_attribute("stream") = Name(stream).c_str();
    const std::string* headline = args.Value("-headline");
    activity.append_attribute("headline") = headline ? headline->c_str() : sel.name.c_str();
    ctx.Print("Created activity " + Quoted(sel.name) + ".");
    if (set) SetCurrent(ctx, view, activity), set = false;
  });
}

void Setactivity(Context& ctx, const Args& args) {
  pugi::xml_node view;
  if (const std::string* tag = args.Value("-view")) {
    view = ctx.world.FindView(*tag);
    if (!view) throw CtError("View tag not found: " + Quoted(*tag) + ".");
  } else {
    view = ctx.CurrentView();
  }
  pugi::xml_node stream = StreamOfView(ctx, view);
  std::string tag = view.attribute("tag").as_string();
  if (!stream) throw CtError("View " + Quoted(tag) + " is not attached to a stream.");
  if (args.Has("-none")) {
    LimitOperands(args.operands, 0);
    view.remove_attribute("activity");
    ctx.changed = true;
    return ctx.Print("Cleared current activity from view " + tag + ".");
  }
  pugi::xml_node activity;
  if (args.Has("-cact")) {
    LimitOperands(args.operands, 0);
    activity = ActivityOfView(ctx, view);
    if (!activity) throw CtError("No current activity set for view " + Quoted(tag) + ".");
  } else {
    RequireOperands(args.operands, 1);
    LimitOperands(args.operands, 1);
    activity = FindUcm(ctx, "activity", args.operands[0], stream.parent());
  }
  if (Name(stream) != activity.attribute("stream").as_string() ||
      activity.parent() != stream.parent()) {
    throw CtError("Activity " + Quoted(Name(activity)) + " is not in stream " +
                  Quoted(Name(stream)) + ".");
  }
  if (IsObsolete(activity)) {
    throw CtError("Activity " + Quoted(Name(activity)) + " is obsolete.");
  }
  SetCurrent(ctx, view, activity);
}

namespace {

std::string LevelDefault(pugi::xml_node pvob) {
  return pvob.attribute("default-level").as_string("INITIAL");
}

pugi::xml_node AddBaseline(Context& ctx, const Args& args, pugi::xml_node pvob,
                           const std::string& name, pugi::xml_node component, pugi::xml_node stream,
                           const char* labelling) {
  pugi::xml_node bl = NewObject(ctx, pvob, "Baseline", name, args);
  bl.append_attribute("component") = Name(component).c_str();
  bl.append_attribute("stream") = stream ? Name(stream).c_str() : "";
  bl.append_attribute("level") = LevelDefault(pvob).c_str();
  bl.append_attribute("labelling") = labelling;
  ctx.Print("Created baseline " + Quoted(name) + " in component " + Quoted(Name(component)) + ".");
  return bl;
}

// With -component, the label becomes a baseline only of the listed components.
bool ImportsInto(const Context& ctx, const Args& args, pugi::xml_node comp) {
  const std::string* list = args.Value("-component");
  if (!list) return true;
  for (const std::string& item : Split(*list, ',')) {
    Selector sel = ParseSelector(Trim(item));
    if (sel.name == Name(comp) &&
        (!sel.hasVob || ctx.world.SameTag(sel.vob, comp.parent().attribute("tag").as_string())))
      return true;
  }
  return false;
}

void ImportLabel(Context& ctx, const Args& args, const std::string& text) {
  Selector sel = ParseSelector(text);
  if (!sel.kind.empty() && sel.kind != "lbtype") {
    throw CtError("Not a label type selector: " + Quoted(text) + ".");
  }
  pugi::xml_node vob = VobOf(ctx, sel);
  if (!FindType(vob, "lbtype", sel.name)) {
    throw CtError("Label type not found: " + Quoted(sel.name) + ".");
  }
  std::string tag = vob.attribute("tag").as_string();
  bool found = false;
  for (pugi::xml_node pvob : ctx.world.Root().children("Vob")) {
    for (pugi::xml_node comp : pvob.children("Component")) {
      if (!ctx.world.SameTag(comp.attribute("root").as_string(), tag)) continue;
      if (!ImportsInto(ctx, args, comp)) continue;
      found = true;
      if (FindNamed(pvob, "Baseline", sel.name)) {
        throw CtError("Name " + Quoted(sel.name) + " already exists.");
      }
      AddBaseline(ctx, args, pvob, sel.name, comp, {}, "full");
    }
  }
  if (!found) throw CtError("No component has its root in VOB " + Quoted(tag) + ".");
}

std::vector<pugi::xml_node> ChosenComponents(Context& ctx, const Args& args,
                                             pugi::xml_node stream) {
  std::vector<pugi::xml_node> all = ComponentsOfStream(stream);
  std::vector<pugi::xml_node> chosen;
  if (const std::string* list = args.Value("-component")) {
    for (const std::string& item : Split(*list, ',')) {
      pugi::xml_node comp = FindUcm(ctx, "component", Trim(item), stream.parent());
      if (std::find(all.begin(), all.end(), comp) == all.end()) {
        throw CtError("Component " + Quoted(Name(comp)) + " is not in stream " +
                      Quoted(Name(stream)) + ".");
      }
      if (!IsModifiable(stream, Name(comp))) {
        throw CtError("Component " + Quoted(Name(comp)) + " is not modifiable in stream " +
                      Quoted(Name(stream)) + ".");
      }
      chosen.push_back(comp);
    }
    return chosen;
  }
  for (pugi::xml_node comp : all) {
    if (IsModifiable(stream, Name(comp))) chosen.push_back(comp);
  }
  return chosen;
}

void CheckActivities(Context& ctx, const std::string& list, pugi::xml_node stream) {
  if (list == "-cact") {
    pugi::xml_node view = ctx.CurrentView();
    if (!ActivityOfView(ctx, view)) {
      throw CtError("No current activity set for view " +
                    Quoted(view.attribute("tag").as_string()) + ".");
    }
    return;
  }
  for (const std::string& item : Split(list, ',')) {
    pugi::xml_node activity = FindUcm(ctx, "activity", Trim(item), stream.parent());
    if (Name(stream) != activity.attribute("stream").as_string()) {
      throw CtError("Activity " + Quoted(Name(activity)) + " is not in stream " +
                    Quoted(Name(stream)) + ".");
    }
  }
}

std::string BaselineName(pugi::xml_node pvob, pugi::xml_node stream, const std::string* root,
                         pugi::xml_node comp, bool several) {
  if (root) {
    std::string name = several ? *root + "_" + Name(comp) : *root;
    if (FindNamed(pvob, "Baseline", name)) {
      throw CtError("Name " + Quoted(name) + " already exists.");
    }
    return name;
  }
  std::string name;
  for (int n = 1; name.empty() || FindNamed(pvob, "Baseline", name); ++n) {
    name = Name(stream) + "_" + std::to_string(n);
  }
  return name;
}

}  // namespace

void Mkbl(Context& ctx, const Args& args) {
  Exclusive(args, {"-all", "-component", "-activities"});
  Exclusive(args, {"-all", "-activities", "-import"});
  Exclusive(args, {"-incremental", "-full", "-nlabel"});
  if (args.Has("-import")) {
    RequireOperands(args.operands, 1);
    return ctx.ForEach(args.operands, 0,
                       [&](const std::string& text) { ImportLabel(ctx, args, text); });
  }
  LimitOperands(args.operands, 1);
  pugi::xml_node stream = CurrentStream(ctx);
  pugi::xml_node pvob = stream.parent();
  CheckUnlocked(ctx, pvob, "VOB", "make baseline");
  CheckUnlocked(ctx, stream, "stream " + Quoted(Name(stream)), "make baseline");
  const std::string* root = args.operands.empty() ? nullptr : &args.operands[0];
  if (root) CheckName(*root);
  if (const std::string* list = args.Value("-activities")) CheckActivities(ctx, *list, stream);
  std::vector<pugi::xml_node> components = ChosenComponents(ctx, args, stream);
  bool changes = args.Has("-activities") || !ActivitiesOfStream(stream).empty();
  if (components.empty() || (!changes && !args.Has("-identical"))) {
    return ctx.Warning("No changes in stream " + Quoted(Name(stream)) +
                       " need a baseline; no baseline was created.");
  }
  const char* labelling = args.Has("-full") ? "full" : args.Has("-nlabel") ? "none" : "incremental";
  for (pugi::xml_node comp : components) {
    std::string name = BaselineName(pvob, stream, root, comp, components.size() > 1);
    AddBaseline(ctx, args, pvob, name, comp, stream, labelling);
  }
}

namespace {

void ChangeLabelling(const Args& args, pugi::xml_node bl) {
  std::string now = bl.attribute("labelling").as_string("incremental");
  std::string name = Quoted(Name(bl));
  if (args.Has("-incremental")) {
    if (now != "none") throw CtError("Baseline " + name + " is already labeled.");
    SetAttr(bl, "labelling", "incremental");
  }
  if (args.Has("-full")) {
    if (now == "full") throw CtError("Baseline " + name + " is already fully labeled.");
    SetAttr(bl, "labelling", "full");
  }
}

}  // namespace

void Chbl(Context& ctx, const Args& args) {
  RequireOperands(args.operands, 1);
  Exclusive(args, {"-incremental", "-full"});
  const std::string* level = args.Value("-level");
  if (!level && !args.Has("-incremental") && !args.Has("-full") && !args.Value("-c")) {
    throw CtError("No change was requested.");
  }
  ctx.ForEach(args.operands, 0, [&](const std::string& text) {
    pugi::xml_node bl = FindUcm(ctx, "baseline", text);
    pugi::xml_node pvob = bl.parent();
    CheckUnlocked(ctx, pvob, "VOB", "change baseline");
    CheckUnlocked(ctx, bl, "baseline " + Quoted(Name(bl)), "change baseline");
    if (level) {
      std::vector<std::string> levels = ListAttr(pvob, "promotion-levels");
      if (std::find(levels.begin(), levels.end(), *level) == levels.end()) {
        throw CtError("Promotion level " + Quoted(*level) + " is not defined in VOB " +
                      Quoted(pvob.attribute("tag").as_string()) + ".");
      }
    }
    ChangeLabelling(args, bl);
    if (level) SetAttr(bl, "level", *level);
    if (const std::string* c = args.Value("-c")) SetAttr(bl, "comment", *c);
    ctx.changed = true;
    ctx.Print("Changed baseline " + Quoted(Name(bl)) + ".");
  });
}

namespace {

std::vector<std::string> Policies(const std::string& list) {
  std::vector<std::string> names;
  for (const std::string& item : Split(list, ',')) {
    std::string name = Trim(item);
    if (!StartsWith(name, "POLICY_")) throw CtError("Unknown policy: " + Quoted(name) + ".");
    names.push_back(name);
  }
  return names;
}

void ChangePolicies(const Args& args, pugi::xml_node stream) {
  std::vector<std::string> policies = ListAttr(stream, "policies");
  if (const std::string* on = args.Value("-policy")) {
    for (const std::string& p : Policies(*on)) {
      if (std::find(policies.begin(), policies.end(), p) == policies.end()) policies.push_back(p);
    }
  }
  if (const std::string* off = args.Value("-npolicy")) {
    for (const std::string& p : Policies(*off)) {
      policies.erase(std::remove(policies.begin(), policies.end(), p), policies.end());
    }
  }
  SetListAttr(stream, "policies", policies);
}

// The latest baseline made in the stream for each of its components, else its foundation one.
std::vector<std::string> DefaultRecommended(pugi::xml_node stream) {
  std::vector<std::string> names;
  for (pugi::xml_node comp : ComponentsOfStream(stream)) {
    pugi::xml_node pick;
    for (pugi::xml_node bl : BaselinesOf(stream, "foundation")) {
      if (Name(comp) == bl.attribute("component").as_string()) pick = bl;
    }
    for (pugi::xml_node bl : stream.parent().children("Baseline")) {
      if (Name(comp) == bl.attribute("component").as_string() &&
          Name(stream) == bl.attribute("stream").as_string())
        pick = bl;
    }
    if (pick) names.push_back(Name(pick));
  }
  return names;
}

void ChangeRecommended(Context& ctx, const std::string& value, pugi::xml_node stream) {
  if (value == "-default") return SetListAttr(stream, "recommended", DefaultRecommended(stream));
  std::vector<std::string> names;
  for (const std::string& item : Split(value, ',')) {
    names.push_back(Name(FindUcm(ctx, "baseline", Trim(item), stream.parent())));
  }
  SetListAttr(stream, "recommended", names);
}

}  // namespace

void Chstream(Context& ctx, const Args& args) {
  RequireOperands(args.operands, 1);
  LimitOperands(args.operands, 1);
  Exclusive(args, {"-target", "-ntarget"});
  Exclusive(args, {"-recommended", "-nrecommended"});
  pugi::xml_node stream = FindUcm(ctx, "stream", args.operands[0]);
  pugi::xml_node pvob = stream.parent();
  CheckUnlocked(ctx, pvob, "VOB", "change stream");
  CheckUnlocked(ctx, stream, "stream " + Quoted(Name(stream)), "change stream");
  if (const std::string* target = args.Value("-target")) {
    pugi::xml_node t = FindUcm(ctx, "stream", *target, pvob);
    if (t == stream) throw CtError("Stream " + Quoted(Name(stream)) + " cannot deliver to itself.");
    SetAttr(stream, "target", Name(t));
  }
  if (args.Has("-ntarget")) stream.remove_attribute("target");
  if (args.Value("-policy") || args.Value("-npolicy")) ChangePolicies(args, stream);
  if (const std::string* value = args.Value("-recommended")) ChangeRecommended(ctx, *value, stream);
  if (args.Has("-nrecommended")) SetListAttr(stream, "recommended", {});
  if (args.Has("-generate")) {
    for (pugi::xml_node view : ViewsOfStream(ctx, stream)) {
      SetText(view, "ConfigSpec", StreamConfigSpec(ctx, stream));
    }
  }
  if (const std::string* c = args.Value("-c")) SetAttr(stream, "comment", *c);
  ctx.changed = true;
  ctx.Print("Updated stream " + Quoted(Name(stream)) + ".");
}

}  // namespace ctsim
