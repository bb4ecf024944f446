#pragma once
// The program's version, written once: the "AP" value of saved games, the About box, meridax-cli --version,
// the comment of GIF pictures and the author of RTF documents all name it, and the build takes the
// project's version (the Debian package's) from this line.

namespace meridax {

inline constexpr char kProgramName[] = "Meridax";
inline constexpr char kProgramVersion[] = "18.5";

}  // namespace meridax
