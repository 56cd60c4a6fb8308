// Readable names for table-driven cases built from command-line arguments,
// so that CTest lists "to_bmp_Empty_out_bmp" instead of a byte dump.
#pragma once

#include <cctype>
#include <string>
#include <vector>

inline std::string CaseName(const std::vector<std::string>& arguments)
{
    std::string name;
    for (const std::string& argument : arguments) {
        // "--yes" reads as "yes".
        std::size_t start = argument.find_first_not_of('-');
        std::string word;
        for (char c : argument.substr(start == std::string::npos ? 0 : start))
            word += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        if (!name.empty())
            name += '_';
        name += argument.empty() ? "Empty" : argument == " " ? "Blank" : word;
    }
    return name.empty() ? "Nothing" : name;
}

// For INSTANTIATE_TEST_SUITE_P: names a case by its `arguments` member.
struct NameByArguments {
    template<typename Info>
    std::string operator()(const Info& info) const
    {
        return CaseName(info.param.arguments);
    }
};
