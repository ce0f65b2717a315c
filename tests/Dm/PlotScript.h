#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// Runs a Python script that draws test pictures with Debian's matplotlib into a fresh
// folder dir (the script gets the folder as its argument). False when Debian's Python or
// matplotlib is missing, or the script fails: the caller then skips its tests.
inline bool DrawPlotsWithMatplotlib(const std::filesystem::path& dir, const char* script)
{
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / "plots.py";
    std::ofstream(file) << script;
    const std::string command =
        "/usr/bin/python3 '" + file.string() + "' '" + dir.string() + "' >/dev/null 2>&1";
    return std::filesystem::exists("/usr/bin/python3") && std::system(command.c_str()) == 0;
}

// Reads the description a drawing script wrote beside its pictures: one line for each fact,
// a key word and its values. take(key, words) receives each line, words positioned after
// the key.
template <typename Take>
void ReadPlotLines(const std::filesystem::path& path, Take take)
{
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key;
        words >> key;
        take(key, words);
    }
}
