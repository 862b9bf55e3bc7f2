// What a command runs with: the world, the working directory, the user, and the
// output it builds. Also the lookups that many commands share.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <vector>

#include "sim/cleartool/model.h"
#include "sim/cleartool/world.h"

namespace ctsim {

class Context {
 public:
  Context(World& world, std::string cwd, std::string user);

  World& world;
  const std::string cwd;
  const std::string user;
  std::string out;
  std::string err;
  int status = 0;
  bool changed = false;
  // When set, standard output is written there in pieces instead of kept whole,
  // so that long listings need little memory.
  int sinkFd = -1;

  void Print(std::string_view line);
  // Writes what is kept of the output to sink_fd, when there is one.
  void Flush();
  void Error(std::string_view message);
  void Warning(std::string_view message);
  std::string Show(std::string path) const { return world.Show(std::move(path)); }
  std::string Now() const;

  // Runs fn on each operand from index `from`; a CtError for one operand is
  // reported and the remaining operands still run, as cleartool does.
  template <class Fn>
  void ForEach(const std::vector<std::string>& operands, size_t from, Fn fn) {
    for (size_t i = from; i < operands.size(); ++i) {
      try {
        fn(operands[i]);
      } catch (const CtError& e) {
        Error(e.what());
      }
    }
  }

  Location Here() const;
  Location Resolve(std::string_view pname) const;
  // The view the working directory is in; throws when it is in none.
  pugi::xml_node CurrentView() const;
};

// Throws unless at least n operands are present / at most n.
void RequireOperands(const std::vector<std::string>& operands, size_t n);
void LimitOperands(const std::vector<std::string>& operands, size_t n);

// A path-name operand resolved to an element of the world.
struct ElementRef {
  Location loc;
  pugi::xml_node element;
  std::string shown;        // the operand as given, without a version extension
  std::string versionExt;  // text after "@@", if any
};
ElementRef ResolveElement(const Context& ctx, std::string_view pname);

// The VOB that a selector names, or the VOB of the working directory.
pugi::xml_node VobOf(const Context& ctx, const Selector& sel);
pugi::xml_node VobByTag(const Context& ctx, std::string_view tag);

// UCM lookups. Names without "@vob" use the project VOB of the current view's stream.
// An explicit default_pvob is used instead for names without "@vob".
pugi::xml_node FindUcm(const Context& ctx, std::string_view kind, std::string_view text,
                       pugi::xml_node defaultPvob = {});
pugi::xml_node StreamOfView(const Context& ctx, pugi::xml_node view);
std::string UcmSelector(const Context& ctx, pugi::xml_node object);  // "name@pvob"
pugi::xml_node ActivityOfView(const Context& ctx, pugi::xml_node view);
// Throws when a lock on node applies to the user: "Lock on <what> prevents operation".
void CheckUnlocked(const Context& ctx, pugi::xml_node node, std::string_view what,
                   std::string_view operation);
void SetAttr(pugi::xml_node node, const char* name, std::string_view value);

}  // namespace ctsim
