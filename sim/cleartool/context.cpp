#include "sim/cleartool/context.h"

#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "sim/cleartool/paths.h"
#include "sim/cleartool/text.h"

namespace ctsim {

Context::Context(World& w, std::string dir, std::string who)
    : world(w), cwd(std::move(dir)), user(std::move(who)) {}

void Context::Print(std::string_view line) {
  out.append(line);
  out.append(world.Eol());
  if (sinkFd >= 0 && out.size() >= 32768) Flush();
}

void Context::Flush() {
  if (sinkFd < 0) return;
  std::string_view data = out;
  while (!data.empty()) {
    ssize_t n = write(sinkFd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    data.remove_prefix(static_cast<size_t>(n));
  }
  out.clear();
}

void Context::Error(std::string_view message) {
  err += "cleartool: Error: ";
  err.append(message);
  err.append(world.Eol());
  status = 1;
}

void Context::Warning(std::string_view message) {
  err += "cleartool: Warning: ";
  err.append(message);
  err.append(world.Eol());
}

std::string Context::Now() const {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  char buffer[32];
  std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%S", &tm);
  return buffer;
}

Location Context::Here() const {
  return Locate(world, cwd);
}

Location Context::Resolve(std::string_view pname) const {
  size_t ext = pname.find("@@");
  return Locate(world, AbsolutePath(cwd, pname.substr(0, ext), world.Windows()));
}

pugi::xml_node Context::CurrentView() const {
  pugi::xml_node view = Here().view;
  if (!view) throw CtError("Unable to determine view for " + Quoted(Show(cwd)) + ".");
  return view;
}

void RequireOperands(const std::vector<std::string>& operands, size_t n) {
  if (operands.size() < n) throw CtError("Missing operand.");
}

void LimitOperands(const std::vector<std::string>& operands, size_t n) {
  if (operands.size() > n) throw CtError("Extra argument: " + Quoted(operands[n]) + ".");
}

ElementRef ResolveElement(const Context& ctx, std::string_view pname) {
  ElementRef ref;
  size_t ext = pname.find("@@");
  ref.shown = std::string(pname.substr(0, ext));
  if (ext != std::string_view::npos) ref.versionExt = std::string(pname.substr(ext + 2));
  ref.loc = ctx.Resolve(pname);
  if (!ref.loc.vob) throw CtError("Pathname is not within a VOB: " + Quoted(ref.shown));
  ref.element = FindElement(ref.loc.vob, ref.loc.rel);
  if (!ref.element) {
    if (FileExists(ref.loc.abs)) throw CtError("Not a vob object: " + Quoted(ref.shown) + ".");
    throw CtError("Unable to access " + Quoted(ref.shown) + ": No such file or directory.");
  }
  return ref;
}

pugi::xml_node VobByTag(const Context& ctx, std::string_view tag) {
  pugi::xml_node vob = ctx.world.FindVob(tag);
  if (!vob) throw CtError("Unable to determine VOB for pathname " + Quoted(tag) + ".");
  return vob;
}

pugi::xml_node VobOf(const Context& ctx, const Selector& sel) {
  if (sel.hasVob) return VobByTag(ctx, sel.vob);
  pugi::xml_node vob = ctx.Here().vob;
  if (!vob) throw CtError("Unable to determine VOB for pathname \".\".");
  return vob;
}

pugi::xml_node StreamOfView(const Context& ctx, pugi::xml_node view) {
  std::string text = view.attribute("stream").as_string();
  if (text.empty()) return {};
  Selector sel = ParseSelector(text);
  pugi::xml_node pvob = ctx.world.FindVob(sel.vob);
  return pvob ? FindNamed(pvob, "Stream", sel.name) : pugi::xml_node();
}

pugi::xml_node ActivityOfView(const Context& ctx, pugi::xml_node view) {
  pugi::xml_node stream = StreamOfView(ctx, view);
  std::string name = view.attribute("activity").as_string();
  if (!stream || name.empty()) return {};
  return FindNamed(stream.parent(), "Activity", name);
}

std::string UcmSelector(const Context&, pugi::xml_node object) {
  return std::string(object.attribute("name").as_string()) + "@" +
         object.parent().attribute("tag").as_string();
}

pugi::xml_node FindUcm(const Context& ctx, std::string_view kind, std::string_view text,
                       pugi::xml_node defaultPvob) {
  Selector sel = ParseSelector(text);
  std::string shown = sel.name + (sel.hasVob ? "@" + sel.vob : "");
  if (!sel.kind.empty() && sel.kind != kind) {
    throw CtError(std::string(kind) + " not found: " + Quoted(shown) + ".");
  }
  pugi::xml_node pvob;
  if (sel.hasVob) {
    pvob = VobByTag(ctx, sel.vob);
  } else if (defaultPvob) {
    pvob = defaultPvob;
  } else {
    Location here = ctx.Here();
    pugi::xml_node stream = here.view ? StreamOfView(ctx, here.view) : pugi::xml_node();
    pvob = stream ? stream.parent() : here.vob;
    if (!pvob) throw CtError("Unable to determine VOB for pathname \".\".");
  }
  pugi::xml_node node = FindNamed(pvob, UcmNodeName(kind), sel.name);
  if (!node) throw CtError(std::string(kind) + " not found: " + Quoted(shown) + ".");
  return node;
}

void CheckUnlocked(const Context& ctx, pugi::xml_node node, std::string_view what,
                   std::string_view operation) {
  if (LockApplies(node, ctx.user)) {
    throw CtError("Lock on " + std::string(what) + " prevents operation " + Quoted(operation) +
                  ".");
  }
}

void SetAttr(pugi::xml_node node, const char* name, std::string_view value) {
  pugi::xml_attribute attr = node.attribute(name);
  if (!attr) attr = node.append_attribute(name);
  attr.set_value(std::string(value).c_str());
}

}  // namespace ctsim
