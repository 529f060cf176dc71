# Turns resources/data/buffers/constants.tsv into the C++ table of the buffer
# systems, so the numbers are typed once, in the data file with their sources.
# Usage: cmake -DINPUT=constants.tsv -DOUTPUT=BufferConstantRecords.cpp -P this file
cmake_minimum_required(VERSION 3.25)

# A list cannot hold a semicolon, which the sources' remarks use: read the
# whole file, put commas in their place, and split it at line ends.
file(READ "${INPUT}" content)
string(REPLACE ";" "," content "${content}")
string(REPLACE "\r" "" content "${content}")
string(REPLACE "\n" ";" lines "${content}")
list(POP_FRONT lines header)
if(NOT header MATCHES "^system\tcompound\tstep\tacid_charge\tpK_25C_I0\tdH_kJ_per_mol\tdCp_J_per_K_mol\tsource$")
  message(FATAL_ERROR "${INPUT}: unexpected columns: ${header}")
endif()

set(number "-?[0-9]+(\\.[0-9]+)?")
set(rows "")
set(lineNumber 1)
foreach(line IN LISTS lines)
  math(EXPR lineNumber "${lineNumber} + 1")
  if(line STREQUAL "")
    continue()
  endif()
  string(REPLACE "\t" ";" fields "${line}")
  list(LENGTH fields count)
  if(NOT count EQUAL 8)
    message(FATAL_ERROR "${INPUT}:${lineNumber}: ${count} columns instead of 8")
  endif()
  list(GET fields 0 system)
  list(GET fields 1 compound)
  list(GET fields 2 step)
  list(GET fields 3 charge)
  list(GET fields 4 pK)
  list(GET fields 5 dH)
  list(GET fields 6 dCp)
  list(GET fields 7 source)
  foreach(value IN ITEMS step charge)
    if(NOT "${${value}}" MATCHES "^-?[0-9]+$")
      message(FATAL_ERROR "${INPUT}:${lineNumber}: ${value} \"${${value}}\" is not a whole number")
    endif()
  endforeach()
  foreach(value IN ITEMS pK dH dCp)
    if(NOT "${${value}}" MATCHES "^${number}$")
      message(FATAL_ERROR "${INPUT}:${lineNumber}: ${value} \"${${value}}\" is not a number")
    endif()
  endforeach()
  foreach(text IN ITEMS system compound source)
    string(REPLACE "\\" "\\\\" ${text} "${${text}}")
    string(REPLACE "\"" "\\\"" ${text} "${${text}}")
  endforeach()
  string(APPEND rows "    {\"${system}\", \"${compound}\", ${step}, ${charge}, ${pK}, ${dH}, ${dCp},\n"
                     "     \"${source}\"},\n")
endforeach()

file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT [=[
// Generated from resources/data/buffers/constants.tsv by
// core/buffers/GenerateBufferConstants.cmake: edit the data file instead.
#include "buffers/IonisationRecord.h"

namespace solvo {

namespace {

constexpr IonisationRecord kRecords[] = {
@rows@};

} // namespace

std::span<const IonisationRecord> IonisationRecords()
{
    return kRecords;
}

} // namespace solvo
]=] @ONLY)
