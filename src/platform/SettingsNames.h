#pragma once
// Value names of the settings store, spelled exactly as stored by every earlier version.

inline constexpr char kAllowBruteForceTech[] = "AllowBruteForceTech";
inline constexpr char kDefautGenerationLevel[] = "DefautGenerationLevel";
inline constexpr char kDefautGenerationStyle[] = "DefautGenerationStyle";
inline constexpr char kLastSolveTech[] = "LastSolveTech";
inline constexpr char kDefaultExportPath[] = "DefaultExportPath";
inline constexpr char kWordokuAssignmentType[] = "WordokuAssignmentType";
inline constexpr char kRetrieveOnlyClues[] = "RetrieveOnlyClues";
inline constexpr char kViewMode[] = "ViewMode";
inline constexpr char kDefaultBoardSize[] = "DefaultBoardSize";
inline constexpr char kSplitterPosition[] = "SplitterPosition";
inline constexpr char kWindowPlacement[] = "WindowPlacement";
