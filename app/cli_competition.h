#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "scoring/competition.h"

namespace merrith::cli {

// Writes each error of the competition at File to the error stream with its line, the first
// ten one by one and the rest counted.
void ReportErrors(const std::vector<CompetitionError>& Errors, std::u16string_view File,
                  const Streams& Io);

// Writes what the reader noted of the competition at File to the error stream.
void ReportNotes(const std::vector<ReadNote>& Notes, std::u16string_view File, const Streams& Io);

// Reads the competition at Path (a text file or its spreadsheet form), its notes and errors
// on the error stream; nothing where it has an error.
std::optional<Competition> ReadCommandCompetition(std::u16string_view Path, const EventBook& Book,
                                                  const Streams& Io);

// Writes a page of the competition at Path to PagePath by Write, unless PagePath is a file the
// competition is read from; ExitOk, or ExitWriteFailed with the reason on the error stream.
int WriteCompetitionPage(const Streams& Io, std::u16string_view Path, const Competition& C,
                         std::u16string_view PagePath,
                         const std::function<FileOutcome(std::u16string_view)>& Write);

// Writes Message as one line on the error stream and returns ExitWriteFailed.
int Refuse(const Streams& Io, std::u16string_view Message);

}  // namespace merrith::cli
