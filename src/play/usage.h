// What the command line answers: the help's texts and the mistakes it names, each written once.
// A "%1" stands for what the command line fills in.
#pragma once

#include "text/text.h"

namespace vella {

// What the program is, and where it keeps the statistics, as the help begins.
inline constexpr Text ProgramDescription =
    VC_TEXT("CommandLine", "Vellacode: find the hidden pattern of four pegs.");
inline constexpr Text StatsFolderDescription =
    VC_TEXT("CommandLine",
            "The statistics files stats.dat and stats.bak are kept in the current folder unless an "
            "option names another.");
inline constexpr Text HelpOption = VC_TEXT("CommandLine", "Displays help on commandline options.");
inline constexpr Text StatsFolderOption =
    VC_TEXT("CommandLine", "Keep the statistics files in <folder>, created when missing.");
//: The name of the value of --stats-folder in the help: "--stats-folder <folder>".
inline constexpr Text StatsFolderValue = VC_TEXT("CommandLine", "folder");
// %1: the per-user data folder, or why there is none.
inline constexpr Text UserFolderOption =
    VC_TEXT("CommandLine", "Keep the statistics files in the per-user data folder (%1).");
//: %1: the languages, as their codes: "en, de, es, fr, it, nl, pt_BR".
inline constexpr Text LanguageOption =
    VC_TEXT("CommandLine", "Speak <code>, one of %1, instead of the system's language.");
//: The name of the value of --language in the help: "--language <code>".
inline constexpr Text LanguageValue = VC_TEXT("CommandLine", "code");
//: What --version prints; %1 is the version number.
inline constexpr Text VersionAnswer = VC_TEXT("CommandLine", "Vellacode %1\n");

// The mistakes, each followed by the hint (%1: the program's name).
inline constexpr Text TryHelpHint = VC_TEXT("CommandLine", "\nTry '%1 --help' for the options.\n");
inline constexpr Text UnexpectedArgument = VC_TEXT("CommandLine", "Unexpected argument: %1");
inline constexpr Text TwoStatsFolders =
    VC_TEXT("CommandLine", "Name one statistics folder, not both.");
inline constexpr Text UnnamedStatsFolder =
    VC_TEXT("CommandLine", "The statistics folder has no name.");
// %1: why there is none.
inline constexpr Text NoUserFolder =
    VC_TEXT("CommandLine", "There is no per-user data folder: %1.");
//: %1: the code given, %2: the codes the program speaks.
inline constexpr Text UnknownLanguage =
    VC_TEXT("CommandLine", "There is no language \"%1\"; the languages are %2.");
//: Completes "There is no per-user data folder: %1."
inline constexpr Text NoHome = VC_TEXT("CommandLine", "HOME is not set");
inline constexpr Text NoRoamingFolder =
    VC_TEXT("CommandLine", "Windows names no roaming data folder");

}  // namespace vella
