#pragma once
// Texts the editor window shows in its message label for the commands of its core.

namespace daved {

inline constexpr char kMemorySavedMessage[] = "Salvataggio in memoria avvenuto con successo.!";
inline constexpr char kMemoryLoadedMessage[] = "Carica oggetti dalla memoria!";
inline constexpr char kUndoMessage[] = "Torna indietro!";
inline constexpr char kUndoKeyMessage[] = "(U) Torna indietro!";
inline constexpr char kUndoKeyNothingMessage[] = "(U) Indietro  !";
inline constexpr char kDeselectAllMessage[] = "Deseleziona tutto.";
inline constexpr char kPlayStartMessage[] = "Inizia il disegno..";
inline constexpr char kPlayOverMessage[] = "Over...";

}  // namespace daved
