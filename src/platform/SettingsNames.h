#pragma once
// Value names of the settings store, spelled exactly as stored by every earlier version.

inline constexpr char kAllowBruteForceTech[] = "AllowBruteForceTech";
