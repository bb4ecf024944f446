#pragma once
// The program's name and version: the About box, `meridax --version`, `meridax-cli --version` and the AP[]
// property of every game written carry these and no other.

namespace meridax {

inline constexpr char kProgramName[] = "Meridax";
inline constexpr char kProgramVersion[] = "18.5";

}  // namespace meridax
