#include "settings/folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "settings/manageini.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* PROGRAMNAME = "zefiran3d";
// From the executable's folder (PREFIX/bin, PREFIX/games) to the installed data.
constexpr const char* INSTALLEDDATA = "../share/zefiran3d";
// A folder that holds this is a complete program folder.
constexpr const char* DATAMARK = "languages";

std::string configChosen;
std::string stateChosen;
std::string userDataChosen;
std::string documentsChosen;
bool userFoldersInUse = false;

std::string withSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// The XDG rules: a variable that is empty or relative is ignored.
std::string absoluteVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

bool isFolder(const fs::path& p) {
  std::error_code ec;
  return fs::is_directory(p, ec);
}

std::string userFolder(const std::string& variable, const std::string& home, const char* fallback) {
  if (!variable.empty()) return withSlash(variable) + PROGRAMNAME + "/";
  if (!home.empty()) return withSlash(home) + fallback + "/" + PROGRAMNAME + "/";
  return "./";
}

std::string orData(const std::string& chosen) { return chosen.empty() ? cartella : chosen; }

}  // namespace

UserHome userHomeFromEnvironment() {
  UserHome h;
  h.home = absoluteVariable("HOME");
  if (h.home.empty()) {
    if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr && pw->pw_dir[0] == '/')
      h.home = pw->pw_dir;
  }
  h.configHome = absoluteVariable("XDG_CONFIG_HOME");
  h.stateHome = absoluteVariable("XDG_STATE_HOME");
  h.dataHome = absoluteVariable("XDG_DATA_HOME");
  return h;
}

FolderChoice chooseFolders(const std::string& programFolder, const UserHome& home) {
  const std::string program = withSlash(programFolder);
  FolderChoice c;
  c.data = program;
  if (!isFolder(fs::path(program) / DATAMARK)) {
    const fs::path installed = (fs::path(program) / INSTALLEDDATA).lexically_normal();
    if (isFolder(installed)) c.data = withSlash(installed.string());
  }
  std::error_code ec;
  c.portable = fs::is_regular_file(fs::path(program) / NOMEINI, ec) && access(program.c_str(), W_OK) == 0;
  if (c.portable) {
    c.config = c.state = c.userData = c.documents = program;
  } else {
    c.config = userFolder(home.configHome, home.home, ".config");
    c.state = userFolder(home.stateHome, home.home, ".local/state");
    c.userData = userFolder(home.dataHome, home.home, ".local/share");
    c.documents = home.home.empty() ? "./" : withSlash(home.home);
  }
  return c;
}

void useFolders(const FolderChoice& choice) {
  cartella = choice.data;
  configChosen = choice.config;
  stateChosen = choice.state;
  userDataChosen = choice.userData;
  documentsChosen = choice.documents;
  userFoldersInUse = !choice.portable && !choice.config.empty();
}

void setUpFolders(const char* argv0) { useFolders(chooseFolders(cartellaprogramma(argv0), userHomeFromEnvironment())); }

std::string configFolder() { return orData(configChosen); }
std::string stateFolder() { return orData(stateChosen); }
std::string userDataFolder() { return orData(userDataChosen); }
std::string documentsFolder() { return orData(documentsChosen); }

bool makeUserFolder(const std::string& folder, std::string& errore) {
  if (!userFoldersInUse || folder.empty() || isFolder(folder)) return true;
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec && !isFolder(folder)) {
    errore = "cannot make the folder " + folder + ": " + ec.message();
    return false;
  }
  return true;
}
