#pragma once
#include <string>
#include <vector>

#include "peoplefiles/FigureSource.h"
#include "peoplefiles/PeopleFileWriter.h"

// Turns the figures' source into the resources of "PrivAnim.df": per body a 'BODC' header,
// its part records ('ARCP', frame-part index = record index = column) and its animation
// lookup ('ARLU'); per animation an 'ANIP' header and its frames ('ARPP'). Human animations
// are made twice, for the adult skeleton under their name and for the child's under the
// child name. False with the reason in error.
bool CompileFigures(const FigureSource& source, PeopleFileWriter& writer, std::string& error);

// Reads the text files of the folder (skeletons.txt, bodies.txt, animations.txt) and writes
// "PrivAnim.df" at a system path.
bool WritePrivAnimFile(const std::string& sourceFolder, const std::string& outputPath, std::string& error);
// The bytes of the file made from the folder's sources; empty with the reason in error.
std::vector<uint8_t> BuildPrivAnimFile(const std::string& sourceFolder, std::string& error);
