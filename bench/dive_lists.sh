# shellcheck shell=bash
# The inputs of the timing scripts, sourced by them: MakeDiveLists CLI FOLDER writes into
# FOLDER, once, from the dive numbers of CLI's complete enumeration (`list --all`, or `list`
# for a build that has no --all):
#   every.txt  every dive number, one per line
#   list.txt   100,000 lines drawn from every.txt (thousands of distinct codes, so the rows are
#              worked out, not remembered), mixed with blank lines, lower case, stray spaces and
#              lines that are no dive code at all
#   codes.txt  50,000 dive codes for `dd`: numbers from every.txt, each with a position letter
MakeDiveLists() {
  local cli=$1 folder=$2
  "$cli" list --all >"$folder/every.txt" 2>/dev/null || "$cli" list >"$folder/every.txt"
  awk 'BEGIN { srand(2021) }
       { codes[n++] = $0 }
       END {
         split("|   |x|105x|10(11|((((|5253 B|9999999999|<td>|6243d|1011b|\t614 ", junk, "|")
         for (i = 0; i < 100000; i++) {
           if (rand() < 0.1) print junk[1 + int(rand() * length(junk))]
           else print codes[int(rand() * n)]
         }
       }' "$folder/every.txt" >"$folder/list.txt"
  awk 'BEGIN { srand(2015) }
       { codes[n++] = $0 }
       END {
         for (i = 0; i < 50000; i++)
           print codes[int(rand() * n)] substr("ABCD", 1 + int(rand() * 4), 1)
       }' "$folder/every.txt" >"$folder/codes.txt"
}
