#pragma once

#include <stdexcept>
#include <string>

namespace carnival {

// A data file that is missing, malformed or cannot be written. `file` is the
// file's name as the program knows it (for example data\points.dat).
class DataFileError : public std::runtime_error {
public:
    DataFileError(std::string file, std::string problem)
        : std::runtime_error(file + ": " + problem)
        , file_(std::move(file))
        , problem_(std::move(problem))
    {
    }

    const std::string& file() const { return file_; }
    const std::string& problem() const { return problem_; }

    // A sentence for the user that names the file and what is wrong.
    std::string userMessage() const
    {
        return "There is a problem with the file \"" + file_ + "\": " + problem_;
    }

private:
    std::string file_;
    std::string problem_;
};

} // namespace carnival
