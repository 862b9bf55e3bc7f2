#include "sim/cleartool/ucm.h"

#include <algorithm>

#include "sim/cleartool/text.h"

namespace ctsim {

pugi::xml_node ProjectOfStream(pugi::xml_node stream) {
  return FindNamed(stream.parent(), "Project", stream.attribute("project").as_string());
}

std::vector<pugi::xml_node> StreamsOfProject(pugi::xml_node project) {
  std::vector<pugi::xml_node> streams;
  std::string name = project.attribute("name").as_string();
  for (pugi::xml_node s : project.parent().children("Stream")) {
    if (name == s.attribute("project").as_string()) streams.push_back(s);
  }
  return streams;
}

std::vector<pugi::xml_node> ActivitiesOfStream(pugi::xml_node stream) {
  std::vector<pugi::xml_node> activities;
  std::string name = stream.attribute("name").as_string();
  for (pugi::xml_node a : stream.parent().children("Activity")) {
    if (name == a.attribute("stream").as_string()) activities.push_back(a);
  }
  return activities;
}

std::vector<pugi::xml_node> BaselinesOf(pugi::xml_node stream, const char* listAttr) {
  std::vector<pugi::xml_node> baselines;
  for (const std::string& name : ListAttr(stream, listAttr)) {
    pugi::xml_node bl = FindNamed(stream.parent(), "Baseline", ParseSelector(name).name);
    if (bl) baselines.push_back(bl);
  }
  return baselines;
}

std::vector<pugi::xml_node> ComponentsOfStream(pugi::xml_node stream) {
  std::vector<pugi::xml_node> components;
  auto add = [&](const std::string& name) {
    pugi::xml_node c = FindNamed(stream.parent(), "Component", ParseSelector(name).name);
    if (c && std::find(components.begin(), components.end(), c) == components.end()) {
      components.push_back(c);
    }
  };
  for (pugi::xml_node bl : BaselinesOf(stream, "foundation")) {
    add(bl.attribute("component").as_string());
  }
  if (pugi::xml_node project = ProjectOfStream(stream)) {
    for (const std::string& name : ListAttr(project, "modifiable")) add(name);
  }
  return components;
}

std::vector<pugi::xml_node> ViewsOfStream(const Context& ctx, pugi::xml_node stream) {
  std::vector<pugi::xml_node> views;
  for (pugi::xml_node view : ctx.world.Root().children("View")) {
    if (StreamOfView(ctx, view) == stream) views.push_back(view);
  }
  return views;
}

bool IsModifiable(pugi::xml_node stream, const std::string& component) {
  pugi::xml_node project = ProjectOfStream(stream);
  if (!project) return false;
  for (const std::string& name : ListAttr(project, "modifiable")) {
    if (ParseSelector(name).name == component) return true;
  }
  return false;
}

pugi::xml_node PvobFor(const Context& ctx, const std::string* invob) {
  pugi::xml_node pvob;
  if (invob) {
    pvob = VobByTag(ctx, *invob);
  } else {
    Location here = ctx.Here();
    pugi::xml_node stream = here.view ? StreamOfView(ctx, here.view) : pugi::xml_node();
    pvob = stream ? stream.parent() : here.vob;
    if (!pvob) throw CtError("Unable to determine VOB for pathname \".\".");
  }
  if (!pvob.attribute("ucm").as_bool()) {
    throw CtError(Quoted(pvob.attribute("tag").as_string()) + " is not a UCM project VOB.");
  }
  return pvob;
}

pugi::xml_node CurrentStream(const Context& ctx) {
  pugi::xml_node view = ctx.CurrentView();
  pugi::xml_node stream = StreamOfView(ctx, view);
  if (!stream) {
    throw CtError("View " + Quoted(view.attribute("tag").as_string()) +
                  " is not attached to a stream.");
  }
  return stream;
}

bool IsObsolete(pugi::xml_node node) {
  return node.attribute("obsolete").as_bool();
}

}  // namespace ctsim
