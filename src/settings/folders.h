// Where the program reads its data and where it writes the user's files.
//
// The read-only data (languages/, skins/, the shipped book.opn) is read from
// `cartella` (manageini.h): the executable's own folder when the data lies
// beside it (a build folder, a copied program folder), else the share folder
// of an installed tree, PREFIX/share/zefiran3d for an executable in
// PREFIX/bin (or PREFIX/games), found from the executable so that the tree
// can be moved whole.
//
// The files the program writes go to three folders of the user's, after the
// XDG base directory rules:
//   config     Zefiran3D.ini               $XDG_CONFIG_HOME/zefiran3d  (~/.config/zefiran3d)
//   state      debug.txt, verifica.txt     $XDG_STATE_HOME/zefiran3d   (~/.local/state/zefiran3d)
//   user data  the opening book the user builds   $XDG_DATA_HOME/zefiran3d  (~/.local/share/zefiran3d)
// The file dialogs open in the user's home folder.
// Portable use: when the executable's folder holds Zefiran3D.ini and may be
// written, all of these are that folder, as they always were.
#pragma once

#include <string>

// What the environment says about the user's folders. A variable that is not
// set, empty or not an absolute path counts as not set.
struct UserHome {
  std::string home;        // $HOME, else the user's password entry
  std::string configHome;  // $XDG_CONFIG_HOME
  std::string stateHome;   // $XDG_STATE_HOME
  std::string dataHome;    // $XDG_DATA_HOME
};
UserHome userHomeFromEnvironment();

// Every folder ends with "/".
struct FolderChoice {
  std::string data;
  std::string config;
  std::string state;
  std::string userData;
  std::string documents;
  bool portable = false;
};

// The rules above for an executable in programFolder. Without any home
// folder the user's files go to the current folder.
FolderChoice chooseFolders(const std::string& programFolder, const UserHome& home);

// cartella := choice.data, and the writable folders from the choice.
void useFolders(const FolderChoice& choice);

// Start-up: the choice for the running executable (cartellaprogramma) and
// the environment, put to use.
void setUpFolders(const char* argv0);

// The writable folders; until folders are chosen, each is cartella.
std::string configFolder();
std::string stateFolder();
std::string userDataFolder();
// Where the file dialogs open (games, positions, test files).
std::string documentsFolder();

// Before a file is written into one of the user's folders: makes the folder
// with its parents when it does not exist yet (a first run). A program folder
// (portable use, or before folders are chosen) is never made. False, with the
// cause in errore, when it cannot be made.
bool makeUserFolder(const std::string& folder, std::string& errore);
