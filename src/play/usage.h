// What the command line answers: the help's texts and the mistakes it names, each written once.
// A "%1" stands for what the command line fills in.
#pragma once

namespace vella {

// What the program is, and where it keeps the statistics, as the help begins.
inline constexpr char ProgramDescription[] = "Vellacode: find the hidden pattern of four pegs.";
inline constexpr char StatsFolderDescription[] =
    "The statistics files stats.dat and stats.bak are kept in the current folder unless an "
    "option names another.";
inline constexpr char HelpOption[] = "Displays help on commandline options.";
inline constexpr char StatsFolderOption[] =
    "Keep the statistics files in <folder>, created when missing.";
inline constexpr char StatsFolderValue[] = "folder";
// %1: the per-user data folder, or why there is none.
inline constexpr char UserFolderOption[] =
    "Keep the statistics files in the per-user data folder (%1).";
inline constexpr char VersionAnswer[] = "Vellacode %1\n";

// The mistakes, each followed by the hint (%1: the program's name).
inline constexpr char TryHelpHint[] = "\nTry '%1 --help' for the options.\n";
inline constexpr char UnexpectedArgument[] = "Unexpected argument: %1";
inline constexpr char TwoStatsFolders[] = "Name one statistics folder, not both.";
inline constexpr char UnnamedStatsFolder[] = "The statistics folder has no name.";
// %1: why there is none.
inline constexpr char NoUserFolder[] = "There is no per-user data folder: %1.";
inline constexpr char NoHome[] = "HOME is not set";
inline constexpr char NoRoamingFolder[] = "Windows names no roaming data folder";

}  // namespace vella
