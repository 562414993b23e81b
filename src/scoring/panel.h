#pragma once

#include <cstdint>
#include <optional>

namespace merrith {

// A panel of judges: 3, 5 or 7 for individual and team dives, 9 or 11 for synchronised ones.
enum class Panel : std::uint8_t { Three, Five, Seven, SynchroNine, SynchroEleven };
// The panel of Judges judges (3, 5, 7 individual or team; 9, 11 synchronised); nothing else.
std::optional<Panel> PanelOfJudges(int Judges);
// How many judges sit on the panel.
int JudgesOf(Panel P);
// Whether the panel judges synchronised dives.
bool IsSynchro(Panel P);

// Seating order: individual, judges 1..n. Synchro: the execution judges of diver 1, then of
// diver 2 (2 each on 9, 3 each on 11), then the 5 synchronisation judges.
enum class Seat : std::uint8_t { Judge, ExecutionDiver1, ExecutionDiver2, Synchronisation };
// What the judge in seat Index (from 0) of the panel watches.
Seat SeatOf(Panel P, int Index);

// How many awards are cancelled at each end, the highest and the lowest, of every pool.
int CancelledEachEnd(Panel P);
// The pool of awards that seat Index is cancelled with: the whole panel in individual and
// team events; in synchro each diver's execution awards (the four together on 9) and the
// synchronisation awards.
int PoolOf(Panel P, int Index);

}  // namespace merrith
