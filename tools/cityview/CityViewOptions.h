#pragma once
#include <optional>
#include <string>

// What city-view draws: the city, the picture's path, and where the camera stands and
// looks. A place left out is the start site's centre.
struct CityViewOptions {
  std::string city;
  std::string output;
  std::optional<int> x;  // world units, east
  std::optional<int> z;  // world units, north
  int height = 320;  // above the ground under the camera
  std::optional<int> heading;  // degrees clockwise from north; toward the city's centre when left out
  int pitch = 25;  // degrees below the horizon
  bool night = false;
  int depth = 61;  // the view depth, 13 to 61 cells
  bool untexturedGround = false;
  int seconds = 0;  // world steps run before the picture, at 30 a second
};

// Reads the command line after the program's name; an empty error when it holds.
CityViewOptions ParseCityViewOptions(int argc, char** argv, std::string& error);
// The usage line, for errors.
std::string CityViewUsage();
