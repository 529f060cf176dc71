# Turns resources/data/aqueous/solutions-20C.tsv and formulas.tsv into the C++
# table of the reagent library, so the handbook's numbers are typed once, in
# the data file that names their source.
# Usage: cmake -DINPUT=solutions-20C.tsv -DFORMULAS=formulas.tsv
#              -DOUTPUT=LibraryRecords.cpp -P this file
cmake_minimum_required(VERSION 3.25)

# Splits a tab-separated file into a list of lines; no line holds a ';'.
function(read_lines file header outVar)
  file(READ "${file}" content)
  if(content MATCHES ";")
    message(FATAL_ERROR "${file}: holds a ';', which this generator cannot carry")
  endif()
  string(REPLACE "\r" "" content "${content}")
  string(REPLACE "\n" ";" lines "${content}")
  list(POP_FRONT lines first)
  if(NOT first STREQUAL header)
    message(FATAL_ERROR "${file}: unexpected columns: ${first}")
  endif()
  set(${outVar} "${lines}" PARENT_SCOPE)
endfunction()

read_lines("${FORMULAS}" "handbook_formula\tformula\tsolid" mappings)
set(handbookFormulas "")
foreach(line IN LISTS mappings)
  if(line STREQUAL "")
    continue()
  endif()
  string(REPLACE "\t" ";" fields "${line}")
  list(LENGTH fields count)
  if(NOT count EQUAL 3)
    message(FATAL_ERROR "${FORMULAS}: \"${line}\": ${count} columns instead of 3")
  endif()
  list(GET fields 0 handbook)
  list(GET fields 1 markup)
  list(GET fields 2 solid)
  list(APPEND handbookFormulas "${handbook}")
  list(APPEND markups "${markup}")
  # An empty list entry would be lost: keep a placeholder for "no solid form".
  if(solid STREQUAL "")
    set(solid "-")
  endif()
  list(APPEND solids "${solid}")
endforeach()

read_lines("${INPUT}"
  "solute\tsynonym\tformula\tcas\tmolar_mass\tmass_percent\tmolality\tmolarity\tdensity" lines)

set(number "[0-9]+(\\.[0-9]+)?")
set(rows "")
set(records "")
set(solute "")
set(done "")
set(rowCount 0)
set(lineNumber 1)

macro(close_record)
  if(NOT solute STREQUAL "")
    math(EXPR count "${rowCount} - ${firstRow}")
    string(APPEND records "    {\"${solute}\", \"${synonym}\", \"${markup}\", \"${solid}\", "
                          "\"${cas}\", ${molarMass},\n     Rows(${firstRow}, ${count})},\n")
  endif()
endmacro()

foreach(line IN LISTS lines)
  math(EXPR lineNumber "${lineNumber} + 1")
  if(line STREQUAL "")
    continue()
  endif()
  string(REPLACE "\t" ";" fields "${line}")
  # Empty cells would vanish from a list: mark them first.
  string(REGEX REPLACE "(^|;)(;|$)" "\\1-\\2" fields "${fields}")
  string(REGEX REPLACE "(^|;)(;|$)" "\\1-\\2" fields "${fields}")
  list(LENGTH fields count)
  if(NOT count EQUAL 9)
    message(FATAL_ERROR "${INPUT}:${lineNumber}: ${count} columns instead of 9")
  endif()
  list(GET fields 0 name)
  if(NOT name STREQUAL solute)
    if(name IN_LIST done)
      message(FATAL_ERROR "${INPUT}:${lineNumber}: the rows of ${name} are not together")
    endif()
    close_record()
    set(solute "${name}")
    list(APPEND done "${name}")
    list(GET fields 1 synonym)
    list(GET fields 2 handbook)
    list(GET fields 3 cas)
    list(GET fields 4 molarMass)
    if(synonym STREQUAL "-")
      set(synonym "")
    endif()
    foreach(text IN ITEMS solute synonym cas)
      if(NOT "${${text}}" MATCHES "^[ -~]*$" OR "${${text}}" MATCHES "[\"\\\\]")
        message(FATAL_ERROR "${INPUT}:${lineNumber}: ${text} \"${${text}}\" is not plain text")
      endif()
    endforeach()
    if(NOT cas MATCHES "^[0-9]+-[0-9][0-9]-[0-9]$")
      message(FATAL_ERROR "${INPUT}:${lineNumber}: \"${cas}\" is not a CAS number")
    endif()
    list(FIND handbookFormulas "${handbook}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${FORMULAS}: no markup for the formula \"${handbook}\" of ${name}")
    endif()
    list(GET markups ${at} markup)
    list(GET solids ${at} solid)
    if(solid STREQUAL "-")
      set(solid "")
    endif()
    set(firstRow ${rowCount})
    set(previous "")
  endif()
  list(GET fields 5 w)
  list(GET fields 6 molality)
  list(GET fields 7 molarity)
  list(GET fields 8 d)
  foreach(value IN ITEMS molarMass w molarity d)
    if(NOT "${${value}}" MATCHES "^${number}$")
      message(FATAL_ERROR "${INPUT}:${lineNumber}: ${value} \"${${value}}\" is not a number")
    endif()
  endforeach()
  # A pure liquid has no molality.
  if(molality STREQUAL "-")
    set(molality "kNone")
  elseif(NOT molality MATCHES "^${number}$")
    message(FATAL_ERROR "${INPUT}:${lineNumber}: molality \"${molality}\" is not a number")
  endif()
  if(NOT previous STREQUAL "" AND NOT w GREATER previous)
    message(FATAL_ERROR "${INPUT}:${lineNumber}: mass percent ${w} does not rise")
  endif()
  set(previous "${w}")
  string(APPEND rows "    {${w}, ${molality}, ${molarity}, ${d}},\n")
  math(EXPR rowCount "${rowCount} + 1")
endforeach()
close_record()

file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT [=[
// Generated from resources/data/aqueous/solutions-20C.tsv and formulas.tsv by
// core/library/GenerateReagentLibrary.cmake: edit the data files instead.
#include "library/LibraryRecord.h"

#include <limits>

namespace solvo {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

constexpr LibraryRow kRows[] = {
@rows@};

constexpr std::span<const LibraryRow> Rows(std::size_t first, std::size_t count)
{
    return std::span<const LibraryRow>(kRows).subspan(first, count);
}

constexpr LibraryRecord kRecords[] = {
@records@};

} // namespace

std::span<const LibraryRecord> LibraryRecords()
{
    return kRecords;
}

} // namespace solvo
]=] @ONLY)
