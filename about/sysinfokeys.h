#pragma once
// Where the registry names the system-information tool: its own key, or the shared-tools
// folder that holds it under its program name. The tool's key may also hold the arguments
// it is started with, separated by spaces (the layer for Linux gives them for a desktop's
// tool that needs them).

namespace pebblenix {

inline constexpr char kToolKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kToolValue[] = "PATH";
inline constexpr char kToolArguments[] = "Arguments";
inline constexpr char kLocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kLocationValue[] = "MSINFO";
inline constexpr char kToolFile[] = "\\MSINFO32.EXE";

} // namespace pebblenix
