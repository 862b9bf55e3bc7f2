// The world file: what exists for the stand-in. The XML document is the model;
// commands read and change its nodes directly, which keeps start-up to one parse.
#pragma once

#include <pugixml.hpp>

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ctsim {

// A refusal in cleartool's words; printed after "cleartool: Error: ".
struct CtError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class World {
 public:
  // Throws CtError when the file cannot be read or is not a world.
  void Load(const std::string& path);
  // Writes a temporary file beside the world and renames it over the world.
  void Save() const;

  pugi::xml_node Root() const { return doc_.document_element(); }
  const std::string& Path() const { return path_; }
  bool Windows() const { return windows_; }
  bool Lt() const;
  const char* Eol() const { return windows_ ? "\r\n" : "\n"; }

  // A path as the world's users see it: "\" separators in a Windows world.
  std::string Show(std::string path) const;
  bool SameTag(std::string_view a, std::string_view b) const;
  pugi::xml_node FindVob(std::string_view tag) const;
  pugi::xml_node FindView(std::string_view tag) const;
  // Absolute directory of a view; relative "dir" attributes count from the world's folder.
  std::string ViewDir(pugi::xml_node view) const;
  // Where a VOB appears inside a view directory: the view directory plus the tag.
  std::string VobRoot(const std::string& viewDir, pugi::xml_node vob) const;

 private:
  void LayOutViews() const;

  std::string path_;
  std::string dir_;
  pugi::xml_document doc_;
  // Resolving a view directory costs system calls; paths are located often.
  mutable std::vector<std::pair<pugi::xml_node, std::string>> viewDirs_;
  bool windows_ = false;
};

// Serialises changes to one world across processes (flock on "<world>.lock").
class WorldLock {
 public:
  explicit WorldLock(const std::string& worldPath);
  ~WorldLock();
  WorldLock(const WorldLock&) = delete;
  WorldLock& operator=(const WorldLock&) = delete;

 private:
  int fd_ = -1;
};

// Where an absolute path lies in the world: its view, and its VOB when it is inside one.
struct Location {
  std::string abs;
  pugi::xml_node view;
  std::string viewDir;
  pugi::xml_node vob;
  std::string vobRoot;
  std::string rel;  // below the VOB root, "/" separated, "" for the root itself
};

Location Locate(const World& world, const std::string& abs);

}  // namespace ctsim
