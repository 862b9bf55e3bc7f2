// lsactivity, lscomp, lsfolder, lsstream, lsproject, lsbl, and UCM descriptions.
#include <cstring>

#include "sim/cleartool/commands.h"
#include "sim/cleartool/text.h"
#include "sim/cleartool/ucm.h"

namespace ctsim {

namespace {

std::string Name(pugi::xml_node node) {
  return node.attribute("name").as_string();
}

std::string Sel(const Context& ctx, pugi::xml_node node) {
  return UcmSelector(ctx, node);
}

void Section(Context& ctx, const char* title, const std::vector<std::string>& items) {
  ctx.Print(std::string("  ") + title + ":");
  for (const std::string& item : items) ctx.Print("    " + item);
}

std::vector<std::string> Selectors(const Context& ctx, const std::vector<pugi::xml_node>& nodes) {
  std::vector<std::string> items;
  for (pugi::xml_node n : nodes) items.push_back(Sel(ctx, n));
  return items;
}

std::vector<std::string> BaselineLines(const Context& ctx, pugi::xml_node stream,
                                       const char* listAttr) {
  std::vector<std::string> lines;
  for (pugi::xml_node bl : BaselinesOf(stream, listAttr)) {
    std::string component = ParseSelector(bl.attribute("component").as_string()).name;
    pugi::xml_node comp = FindNamed(stream.parent(), "Component", component);
    std::string line = Sel(ctx, bl) + " (" + (comp ? Sel(ctx, comp) : component) + ")";
    if (IsModifiable(stream, component)) line += " (modifiable)";
    lines.push_back(line);
  }
  return lines;
}

void Header(Context& ctx, pugi::xml_node node, const std::string& kind) {
  ctx.Print(kind + " " + Quoted(Name(node)) + (IsLocked(node) ? " (locked)" : ""));
  ctx.Print("  created " + CreatedOf(node) + " by " + OwnerOf(node));
  std::string comment = node.attribute("comment").as_string();
  if (!comment.empty()) ctx.Print("  " + Quoted(comment));
  ctx.Print("  owner: " + OwnerOf(node));
  ctx.Print(std::string("  group: ") + node.attribute("group").as_string("ccusers"));
  ctx.Print(std::string("  title: ") + node.attribute("title").as_string(Name(node).c_str()));
}

std::string Ref(const Context& ctx, pugi::xml_node pvob, const char* nodeName,
                const std::string& name) {
  pugi::xml_node n = FindNamed(pvob, nodeName, ParseSelector(name).name);
  return n ? Sel(ctx, n) : name;
}

std::vector<std::string> ViewTags(const Context& ctx, pugi::xml_node stream) {
  std::vector<std::string> tags;
  for (pugi::xml_node v : ViewsOfStream(ctx, stream))
    tags.push_back(v.attribute("tag").as_string());
  return tags;
}

void DescribeStream(Context& ctx, pugi::xml_node stream) {
  pugi::xml_node pvob = stream.parent();
  Header(ctx, stream, "stream");
  ctx.Print("  project: " + Ref(ctx, pvob, "Project", stream.attribute("project").as_string()));
  if (stream.attribute("integration").as_bool()) ctx.Print("  stream type: integration");
  std::string target = stream.attribute("target").as_string();
  if (!target.empty()) ctx.Print("  default deliver stream: " + Ref(ctx, pvob, "Stream", target));
  Section(ctx, "contains activities", Selectors(ctx, ActivitiesOfStream(stream)));
  Section(ctx, "foundation baselines", BaselineLines(ctx, stream, "foundation"));
  Section(ctx, "recommended baselines", BaselineLines(ctx, stream, "recommended"));
  Section(ctx, "views", ViewTags(ctx, stream));
  std::vector<std::string> policies = ListAttr(stream, "policies");
  if (!policies.empty()) Section(ctx, "policies", policies);
}

void DescribeProject(Context& ctx, pugi::xml_node project) {
  pugi::xml_node pvob = project.parent();
  Header(ctx, project, "project");
  ctx.Print("  folder: " + Ref(ctx, pvob, "Folder", project.attribute("folder").as_string()));
  std::string integration = project.attribute("integration").as_string();
  ctx.Print("  integration stream: " + Ref(ctx, pvob, "Stream", integration));
  pugi::xml_node stream = FindNamed(pvob, "Stream", integration);
  Section(ctx, "foundation baselines",
          stream ? BaselineLines(ctx, stream, "foundation") : std::vector<std::string>());
  Section(ctx, "recommended baselines",
          stream ? BaselineLines(ctx, stream, "recommended") : std::vector<std::string>());
  std::vector<std::string> modifiable;
  for (const std::string& c : ListAttr(project, "modifiable")) {
    modifiable.push_back(Ref(ctx, pvob, "Component", c));
  }
  Section(ctx, "modifiable components", modifiable);
  std::vector<pugi::xml_node> dev;
  for (pugi::xml_node s : StreamsOfProject(project)) {
    if (!s.attribute("integration").as_bool()) dev.push_back(s);
  }
  Section(ctx, "development streams", Selectors(ctx, dev));
}

void DescribeActivity(Context& ctx, pugi::xml_node activity) {
  ctx.Print("activity " + Quoted(Name(activity)) + (IsLocked(activity) ? " (locked)" : ""));
  ctx.Print("  created " + CreatedOf(activity) + " by " + OwnerOf(activity));
  ctx.Print("  owner: " + OwnerOf(activity));
  ctx.Print(std::string("  group: ") + activity.attribute("group").as_string("ccusers"));
  ctx.Print("  stream: " +
            Ref(ctx, activity.parent(), "Stream", activity.attribute("stream").as_string()));
  ctx.Print(std::string("  title: ") +
            activity.attribute("headline").as_string(Name(activity).c_str()));
  std::vector<std::string> changes, views;
  for (pugi::xml_node view : ctx.world.Root().children("View")) {
    if (ActivityOfView(ctx, view) != activity) continue;
    views.push_back(view.attribute("tag").as_string());
    for (const CheckoutRef& ref : CheckoutsOfView(ctx, view)) {
      if (Name(activity) == ref.checkout.attribute("activity").as_string()) {
        changes.push_back(
            ctx.Show(ref.abs) + "@@" +
            ctx.Show(std::string(ref.checkout.attribute("branch").as_string()) + "/CHECKEDOUT"));
      }
    }
  }
  Section(ctx, "change set versions", changes);
  Section(ctx, "current views", views);
}

std::string LabelStatus(pugi::xml_node bl) {
  std::string labelling = bl.attribute("labelling").as_string("incremental");
  if (labelling == "full") return "Full";
  if (labelling == "none") return "Not Labeled";
  return "Incrementally Labeled";
}

void DescribeBaseline(Context& ctx, pugi::xml_node bl) {
  pugi::xml_node pvob = bl.parent();
  Header(ctx, bl, "baseline");
  ctx.Print("  stream: " + Ref(ctx, pvob, "Stream", bl.attribute("stream").as_string()));
  ctx.Print("  component: " + Ref(ctx, pvob, "Component", bl.attribute("component").as_string()));
  ctx.Print("  label status: " + LabelStatus(bl));
  ctx.Print(std::string("  promotion level: ") +
            bl.attribute("level").as_string(pvob.attribute("default-level").as_string("INITIAL")));
}

void DescribeComponent(Context& ctx, pugi::xml_node component) {
  Header(ctx, component, "component");
  ctx.Print(std::string("  root directory: ") + ctx.Show(component.attribute("root").as_string()));
}

void DescribeFolder(Context& ctx, pugi::xml_node folder) {
  Header(ctx, folder, "folder");
  std::string parent = folder.attribute("parent").as_string();
  if (!parent.empty()) ctx.Print("  parent folder: " + Ref(ctx, folder.parent(), "Folder", parent));
  std::vector<pugi::xml_node> folders, projects;
  for (pugi::xml_node f : folder.parent().children("Folder")) {
    if (Name(folder) == f.attribute("parent").as_string()) folders.push_back(f);
  }
  for (pugi::xml_node p : folder.parent().children("Project")) {
    if (Name(folder) == p.attribute("folder").as_string()) projects.push_back(p);
  }
  Section(ctx, "contains folders", Selectors(ctx, folders));
  Section(ctx, "contains projects", Selectors(ctx, projects));
}

void PrintObjects(Context& ctx, const Args& args, const std::vector<pugi::xml_node>& nodes,
                  std::string_view kind) {
  for (pugi::xml_node node : nodes) {
    if (IsObsolete(node) && !args.Has("-obsolete")) continue;
    if (args.Has("-short")) {
      ctx.Print(Name(node));
    } else if (args.Has("-long")) {
      DescribeUcm(ctx, node, kind);
    } else {
      std::string title = kind == "activity"
                              ? node.attribute("headline").as_string()
                              : node.attribute("title").as_string(Name(node).c_str());
      ctx.Print(CreatedOf(node) + "  " + Name(node) + "  " + OwnerOf(node) + "  " + Quoted(title));
      if (kind == "baseline") {
        ctx.Print("  component: " +
                  Ref(ctx, node.parent(), "Component", node.attribute("component").as_string()));
        ctx.Print(std::string("  promotion level: ") + node.attribute("level").as_string());
      }
    }
  }
}

std::vector<pugi::xml_node> AllOf(pugi::xml_node pvob, const char* nodeName) {
  std::vector<pugi::xml_node> nodes;
  for (pugi::xml_node n : pvob.children(nodeName)) nodes.push_back(n);
  return nodes;
}

// Explicit selectors on the command line, or the nodes that `scope` picks.
template <class Scope>
void ListUcm(Context& ctx, const Args& args, std::string_view kind, Scope scope) {
  if (args.operands.empty()) return PrintObjects(ctx, args, scope(), kind);
  ctx.ForEach(args.operands, 0, [&](const std::string& text) {
    PrintObjects(ctx, args, {FindUcm(ctx, kind, text)}, kind);
  });
}

// "-in" names a stream or a project; activities of a project are those of its streams.
std::vector<pugi::xml_node> ActivitiesIn(Context& ctx, const std::string& in) {
  Selector sel = ParseSelector(in);
  if (sel.kind.empty() || sel.kind == "stream") {
    try {
      return ActivitiesOfStream(FindUcm(ctx, "stream", in));
    } catch (const CtError&) {
      if (sel.kind == "stream") throw;
    }
  }
  std::vector<pugi::xml_node> activities;
  for (pugi::xml_node s : StreamsOfProject(FindUcm(ctx, "project", in))) {
    for (pugi::xml_node a : ActivitiesOfStream(s)) activities.push_back(a);
  }
  return activities;
}

}  // namespace

void DescribeUcm(Context& ctx, pugi::xml_node object, std::string_view kind) {
  if (kind == "stream") return DescribeStream(ctx, object);
  if (kind == "project") return DescribeProject(ctx, object);
  if (kind == "activity") return DescribeActivity(ctx, object);
  if (kind == "baseline") return DescribeBaseline(ctx, object);
  if (kind == "component") return DescribeComponent(ctx, object);
  if (kind == "folder") return DescribeFolder(ctx, object);
}

void Lsactivity(Context& ctx, const Args& args) {
  ListUcm(ctx, args, "activity", [&]() -> std::vector<pugi::xml_node> {
    if (args.Has("-cact")) {
      pugi::xml_node view = ctx.CurrentView();
      pugi::xml_node activity = ActivityOfView(ctx, view);
      if (!activity) {
        throw CtError("No current activity set for view " +
                      Quoted(view.attribute("tag").as_string()) + ".");
      }
      return {activity};
    }
    if (const std::string* in = args.Value("-in")) return ActivitiesIn(ctx, *in);
    if (const std::string* invob = args.Value("-invob")) {
      return AllOf(PvobFor(ctx, invob), "Activity");
    }
    return ActivitiesOfStream(CurrentStream(ctx));
  });
}

void Lscomp(Context& ctx, const Args& args) {
  ListUcm(ctx, args, "component", [&]() -> std::vector<pugi::xml_node> {
    if (const std::string* invob = args.Value("-invob")) {
      return AllOf(PvobFor(ctx, invob), "Component");
    }
    return ComponentsOfStream(CurrentStream(ctx));
  });
}

void Lsfolder(Context& ctx, const Args& args) {
  ListUcm(ctx, args, "folder", [&]() -> std::vector<pugi::xml_node> {
    if (const std::string* in = args.Value("-in")) {
      pugi::xml_node parent = FindUcm(ctx, "folder", *in);
      std::vector<pugi::xml_node> folders;
      for (pugi::xml_node f : parent.parent().children("Folder")) {
        if (Name(parent) == f.attribute("parent").as_string()) folders.push_back(f);
      }
      return folders;
    }
    return AllOf(PvobFor(ctx, args.Value("-invob")), "Folder");
  });
}

void Lsstream(Context& ctx, const Args& args) {
  ListUcm(ctx, args, "stream", [&]() -> std::vector<pugi::xml_node> {
    if (const std::string* in = args.Value("-in")) {
      return StreamsOfProject(FindUcm(ctx, "project", *in));
    }
    if (const std::string* invob = args.Value("-invob")) {
      return AllOf(PvobFor(ctx, invob), "Stream");
    }
    return {CurrentStream(ctx)};
  });
}

void Lsproject(Context& ctx, const Args& args) {
  ListUcm(ctx, args, "project", [&]() -> std::vector<pugi::xml_node> {
    if (const std::string* in = args.Value("-in")) {
      pugi::xml_node folder = FindUcm(ctx, "folder", *in);
      std::vector<pugi::xml_node> projects;
      for (pugi::xml_node p : folder.parent().children("Project")) {
        if (Name(folder) == p.attribute("folder").as_string()) projects.push_back(p);
      }
      return projects;
    }
    if (const std::string* invob = args.Value("-invob")) {
      return AllOf(PvobFor(ctx, invob), "Project");
    }
    pugi::xml_node project = ProjectOfStream(CurrentStream(ctx));
    return project ? std::vector<pugi::xml_node>{project} : std::vector<pugi::xml_node>{};
  });
}

void Lsbl(Context& ctx, const Args& args) {
  ListUcm(ctx, args, "baseline", [&]() -> std::vector<pugi::xml_node> {
    const std::string* streamSel = args.Value("-stream");
    const std::string* compSel = args.Value("-component");
    const std::string* invob = args.Value("-invob");
    if (!streamSel && !compSel && !invob) {
      throw CtError("One of \"-stream\", \"-component\" or \"-invob\" is required.");
    }
    pugi::xml_node stream = streamSel ? FindUcm(ctx, "stream", *streamSel) : pugi::xml_node();
    pugi::xml_node comp = compSel ? FindUcm(ctx, "component", *compSel) : pugi::xml_node();
    pugi::xml_node pvob = stream ? stream.parent() : comp ? comp.parent() : PvobFor(ctx, invob);
    const std::string* level = args.Value("-level");
    std::vector<pugi::xml_node> baselines;
    for (pugi::xml_node bl : pvob.children("Baseline")) {
      if (stream && Name(stream) != bl.attribute("stream").as_string()) continue;
      if (comp && Name(comp) != ParseSelector(bl.attribute("component").as_string()).name) continue;
      if (level && *level != bl.attribute("level").as_string()) continue;
      baselines.push_back(bl);
    }
    return baselines;
  });
}

}  // namespace ctsim
