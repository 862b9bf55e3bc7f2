#include "sim/cleartool/world.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "sim/cleartool/paths.h"
#include "sim/cleartool/text.h"

namespace ctsim {

namespace {

// Reads the file into a buffer that the parser takes over, so the text is not copied.
std::pair<char*, size_t> ReadWhole(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    throw CtError("Unable to open world file " + Quoted(path) + ": " + std::strerror(errno) + ".");
  }
  struct stat st;
  size_t capacity = fstat(fd, &st) == 0 ? static_cast<size_t>(st.st_size) + 1 : 65536;
  char* buffer = static_cast<char*>(pugi::get_memory_allocation_function()(capacity));
  size_t size = 0;
  while (buffer) {
    if (size == capacity) {
      char* bigger = static_cast<char*>(pugi::get_memory_allocation_function()(capacity * 2));
      if (bigger) std::copy(buffer, buffer + size, bigger);
      pugi::get_memory_deallocation_function()(buffer);
      buffer = bigger;
      capacity *= 2;
      continue;
    }
    ssize_t n = read(fd, buffer + size, capacity - size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    size += static_cast<size_t>(n);
  }
  close(fd);
  if (!buffer) throw CtError("Out of memory reading " + Quoted(path) + ".");
  return {buffer, size};
}

bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

std::string TagPath(std::string tag) {
  for (char& c : tag) {
    if (c == '\\') c = '/';
  }
  return tag;
}

}  // namespace

void World::Load(const std::string& path) {
  std::string abs = AbsolutePath(PhysicalPath("."), path, false);
  path_ = abs;
  dir_ = PhysicalPath(ParentPath(abs));
  auto [buffer, size] = ReadWhole(abs);
  // Attribute whitespace is kept as written; that conversion is the one costly
  // default step that the world does not need.
  unsigned options = pugi::parse_default & ~pugi::parse_wconv_attribute;
  pugi::xml_parse_result result = doc_.load_buffer_inplace_own(buffer, size, options);
  if (!result) {
    throw CtError("World file " + Quoted(path) + " is not valid XML: " + result.description() +
                  " at offset " + std::to_string(result.offset) + ".");
  }
  if (std::strcmp(Root().name(), "World") != 0) {
    throw CtError("World file " + Quoted(path) + " has no <World> element.");
  }
  windows_ = std::strcmp(Root().attribute("platform").as_string("unix"), "windows") == 0;
  LayOutViews();
}

void World::Save() const {
  std::string temp = path_ + ".tmp." + std::to_string(getpid());
  struct Writer : pugi::xml_writer {
    std::string data;
    void write(const void* bytes, size_t size) override {
      data.append(static_cast<const char*>(bytes), size);
    }
  } writer;
  doc_.save(writer, "  ", pugi::format_default, pugi::encoding_utf8);
  int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw CtError("Unable to write world file " + Quoted(temp) + ".");
  bool ok = WriteAll(fd, writer.data) && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  if (!ok || rename(temp.c_str(), path_.c_str()) != 0) {
    unlink(temp.c_str());
    throw CtError("Unable to replace world file " + Quoted(path_) + ".");
  }
}

bool World::Lt() const {
  return std::strcmp(Root().attribute("product").as_string("full"), "lt") == 0;
}

std::string World::Show(std::string path) const {
  if (windows_) {
    for (char& c : path) {
      if (c == '/') c = '\\';
    }
  }
  return path;
}

bool World::SameTag(std::string_view a, std::string_view b) const {
  if (!windows_) return a == b;
  return EqualsNoCase(TagPath(std::string(a)), TagPath(std::string(b)));
}

pugi::xml_node World::FindVob(std::string_view tag) const {
  for (pugi::xml_node vob : Root().children("Vob")) {
    if (SameTag(vob.attribute("tag").as_string(), tag)) return vob;
  }
  return {};
}

pugi::xml_node World::FindView(std::string_view tag) const {
  for (pugi::xml_node view : Root().children("View")) {
    if (tag == view.attribute("tag").as_string()) return view;
  }
  return {};
}

std::string World::ViewDir(pugi::xml_node view) const {
  for (const auto& [node, dir] : viewDirs_) {
    if (node == view) return dir;
  }
  std::string dir = view.attribute("dir").as_string();
  std::string abs = PhysicalPath(dir.empty() || dir[0] != '/' ? JoinPath(dir_, dir) : dir);
  if (IsDirectory(abs)) viewDirs_.emplace_back(view, abs);
  return abs;
}

std::string World::VobRoot(const std::string& viewDir, pugi::xml_node vob) const {
  return NormalizePath(viewDir + "/" + TagPath(vob.attribute("tag").as_string()));
}

// A world copied into a fresh folder has no view directories yet; make them, with
// the VOB roots and directory elements, the first time the world is used there.
void World::LayOutViews() const {
  for (pugi::xml_node view : Root().children("View")) {
    std::string dir = ViewDir(view);
    if (IsDirectory(dir)) continue;
    MakeDirectories(dir);
    for (pugi::xml_node vob : Root().children("Vob")) {
      std::string vobRoot = VobRoot(PhysicalPath(dir), vob);
      MakeDirectories(vobRoot);
      for (pugi::xml_node element : vob.children("Element")) {
        if (std::strcmp(element.attribute("type").as_string(), "directory") == 0) {
          MakeDirectories(JoinPath(vobRoot, element.attribute("path").as_string()));
        }
      }
    }
  }
}

WorldLock::WorldLock(const std::string& worldPath) {
  fd_ = open((worldPath + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ < 0) throw CtError("Unable to lock world file " + Quoted(worldPath) + ".");
  while (flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
  }
}

WorldLock::~WorldLock() {
  if (fd_ >= 0) close(fd_);
}

Location Locate(const World& world, const std::string& abs) {
  Location loc;
  loc.abs = abs;
  for (pugi::xml_node view : world.Root().children("View")) {
    std::string dir = world.ViewDir(view);
    if (IsUnder(abs, dir) && dir.size() >= loc.viewDir.size()) {
      loc.view = view;
      loc.viewDir = dir;
    }
  }
  if (!loc.view) return loc;
  for (pugi::xml_node vob : world.Root().children("Vob")) {
    std::string vobRoot = world.VobRoot(loc.viewDir, vob);
    if (IsUnder(abs, vobRoot) && vobRoot.size() >= loc.vobRoot.size()) {
      loc.vob = vob;
      loc.vobRoot = vobRoot;
    }
  }
  if (loc.vob) loc.rel = RelativeTo(abs, loc.vobRoot);
  return loc;
}

}  // namespace ctsim
