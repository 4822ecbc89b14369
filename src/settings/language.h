// The language table: every caption, message and WinBoard result line meant
// for a person is looked up by key in the lines of a language file
// ("languages/<name>", KEY=text lines).
#pragma once

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

// The lines of the language file in use; replaced whole by each load.
extern std::vector<std::string> listalingua;

// Every key the program looks up.
inline constexpr std::string_view chiavilingua[] = {
    // main menu
    "M_NEWGAME",
    "M_OPENGAME",
    "M_SAVEGAME",
    "M_CONFIG",
    "M_TIME",
    "M_MANAGEBOOK",
    "M_HINTBOOK",
    "M_BACK",
    "M_MOVENOW",
    "M_EDITBOARD",
    "M_EDITFEN",
    "M_LOADFEN",
    "M_SAVEFEN",
    "M_EXIT",
    "M_VIEWL",
    "M_BOARD2D",
    "M_BOARD3D",
    "M_HIDELINE",
    "M_FULLSCREEN",
    "M_WHITE",
    "M_ROTATE",
    "M_HUMAN",
    "M_BLACK",
    "M_TEST",
    "M_INFO",
    "M_CLEARBOARD",
    "M_CLEARSQUARE",
    "M_WHITEKING",
    "M_WHITEQUEEN",
    "M_WHITEROOK",
    "M_WHITEBISHOP",
    "M_WHITEKNIGHT",
    "M_WHITEPAWN",
    "M_BLACKKING",
    "M_BLACKQUEEN",
    "M_BLACKROOK",
    "M_BLACKBISHOP",
    "M_BLACKKNIGHT",
    "M_BLACKPAWN",
    // other texts of the main window
    "P_INFOGAME",
    "P_TESTED",
    "P_NOTTESTED",
    "P_OK",
    "P_FAILED",
    "P_BREAK",
    "P_RETURNGAME",
    "P_ENDGAME",
    // configuration dialog
    "P_CONFIGURATION",
    "P_GAMEDATA",
    "P_MEMORY",
    "P_GAMESTYLE",
    "P_GRAPHIC",
    "P_LANGUAGE",
    "P_PLAYER",
    "P_SITE",
    "P_EVENT",
    "P_HASHMEMORY",
    "P_TOTALMEMORY",
    "P_SAVECONFIG",
    "P_DROPCONF",
    "P_USEBOOK",
    "P_CANRESIGN",
    "P_YES",
    "P_NO",
    "P_SKINAVAILABLE",
    "P_SKINUSED",
    "P_SKINPREVIEW",
    "P_SKINCHANGE",
    "P_LANGUAGEAVAILABLE",
    "P_LANGUAGEUSED",
    "P_LANGUAGECHANGE",
    // time-control dialog
    "P_TIMECONTROL",
    "P_TIMEXY",
    "P_TIMEX",
    "P_TIMEXB",
    "P_TIMEXYQ",
    "P_HOURS",
    "P_MIN",
    "P_SEC",
    "P_FOR",
    "P_MOVES",
    "P_BONUSMOVE",
    // small dialogs and the about box
    "P_GAMEOVER",
    "P_PROMOTE",
    "P_INFOFACES",
    "P_INFOHASH",
    "P_LANGUAGEMODULE",
    "P_LANGUAGEBY",
    "P_LANGUAGEAUTHOR",
    "P_LANGUAGETHANX",
    "P_LANGUAGEHELP",
    // messages and list texts
    "P_GAMESFILE",
    "P_WHITE",
    "P_BLACK",
    "P_RESULT",
    "P_PLY",
    "P_BOOKSTAT",
    "P_CALCULATED",
    "P_GAMESOF",
    "P_RIGHTCLICK",
    "P_BREAKUSER",
    "P_RIGHTSOL",
    "P_WRONGSOL",
    "P_FOUND",
    "P_INSTEAD",
    "P_WRONGLIST",
    "P_SOLUTIONS",
    "P_DEBUGSAVED",
    "P_PRESSEXIT",
    // the game session and board editing
    "E_FENREFUSED",
    "E_KINGS",
    "E_PAWNRANK",
    "E_TOOMANY",
    "E_CHECK",
    // game files: why a load stopped, and what the book build left out
    "P_STOPPEDAT",
    "P_STOPPIECE",
    "P_STOPUNREADABLE",
    "P_STOPILLEGAL",
    "P_STOPCOMMENT",
    "P_STOPVARIATION",
    "P_STOPCLOSING",
    "P_STOPLENGTH",
    "P_STOPFEN",
    "P_STOPAFTERRESULT",
    "P_STOPTAG",
    "P_BOOKSKIPPED",
    "P_SKIPSTOPPED",
    "P_SKIPRESULT",
    "P_SKIPSETUP",
    "P_SKIPSHORT",
    "P_HUMANNAME",
    "P_READTOEND",
    "P_MOVESREAD",
    "P_NOTLOADED",
    "P_BOOKNOTWRITTEN",
    "M_EDIT",
    "M_COPYFEN",
    "M_COPYPGN",
    "M_PASTE",
    "P_FIRSTMOVE",
    "P_PREVMOVE",
    "P_NEXTMOVE",
    "P_LASTMOVE",
    "P_WHITETOMOVE",
    "P_BLACKTOMOVE",
    "P_CASTLEWK",
    "P_CASTLEWQ",
    "P_CASTLEBK",
    "P_CASTLEBQ",
    "P_PASTEEMPTY",
    "P_NOTSAVED",
    // the look: the View menu's choices and the settings' page
    "M_PIECESET",
    "M_PIECESCLASSIC",
    "M_PIECESSTAUNTON",
    "M_SHADOWS",
    "M_REFLECTION",
    "M_HIGHLIGHTS",
    "M_WINDOWSTYLE",
    "M_STYLECLASSIC",
    "M_STYLECALM",
    "P_LOOK",
    // the dialogs: buttons, the FEN entry's refusals, the about box, the
    // time control's refusals and the configuration's failures
    "P_DIALOGOK",
    "P_DIALOGCANCEL",
    "P_FENTITLE",
    "E_FENEMPTY",
    "E_FENKINGSNEAR",
    "E_FENNOSIDE",
    "P_INFOTITLE",
    "P_INFOCREDIT",
    "P_BADHOURS",
    "P_BADMINUTES",
    "P_BADSECONDS",
    "P_BADMOVES",
    "P_SKINNOTUSED",
    "P_LANGUAGENOTUSED",
    "P_CONFIGNOTSAVED",
    "P_BOOKSTATISTIC",
    "P_WHITELINES",
    "P_BLACKLINES",
    "P_TOTALLINES",
    "P_BOOKADD",
    "P_BOOKNEW",
    "P_CLOSE",
    "P_CANCEL",
    "P_ENGINESTOPPED",
    // the coach: the hint, the analysis and the review of the game
    "M_COACH",
    "M_HINT",
    "M_ANALYSE",
    "M_REVIEW",
    "P_HINT",
    "P_NOHINT",
    "P_ANALYSIS",
    "P_DEPTH",
    "P_REVIEW",
    "P_REVIEWTIME",
    "P_REVIEWSTART",
    "P_REVIEWSTOP",
    "P_REVIEWSTOPPED",
    "P_REVIEWNOGAME",
    // the board's session: resigning, draws, the question before a game is
    // lost, the move marks, sound and the preferences
    "M_RESIGN",
    "M_OFFERDRAW",
    "P_DRAWAGREED",
    "P_DRAWDECLINED",
    "P_DISCARDTITLE",
    "P_DISCARDQUESTION",
    "P_DONOTASK",
    "P_DISCARD",
    "P_KEEPGAME",
    "M_TARGETMARKS",
    "M_SOUND",
    "P_PREFSUNREADABLE",
    // game results in the window
    "LSTALLO",
    "LMATTOB",
    "LMATTON",
    "L3X",
    "L50MOSSE",
    "LABBANDONAB",
    "LABBANDONAN",
    // result lines for a WinBoard front end
    "LWSTALLO",
    "LWMATTOB",
    "LWMATTON",
    "LW3X",
    "LWMATERIALE",
    "LW50MOSSE",
    "LWABBANDONAB",
    "LWABBANDONAN",
};
inline constexpr std::size_t NUMEROCHIAVI = std::size(chiavilingua);

// The text of a key in the current table, looked up now; empty when the key
// is missing.
std::string testo(std::string_view key);

// Loads cartella + "languages/" + name into the table. A file that cannot be
// read, or that defines none of the program's keys, leaves the table as it
// was and gives false with the cause in errore.
bool caricalingua(std::string_view name, std::string& errore);

// The built-in English texts (the same lines as the shipped "english.dat").
void caricalinguainterna();
// Whether the table now holds the built-in texts.
bool linguainterna();

// Start-up: loads the language named by the settings (nomelingua); when it
// cannot be used the built-in English texts take its place and the cause is
// reported once (problemiavvio).
void caricalinguaavvio();

// The bytes of the built-in English language file.
std::string_view testoinglese();
