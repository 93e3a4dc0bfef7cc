// An option's "Needs:" and "Excludes:" in the help name the other options in
// the order the command declares them, whatever order they were linked in.
#include "commandline/HelpFormatter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace tachoria {
namespace {

TEST(HelpFormatter, NamesNeededAndExcludedOptionsInDeclaredOrder) {
    CLI::App app{"help", "program"};
    app.formatter(MakeHelpFormatter());
    std::string a, b, c, d, e;
    // Blocks of an option's size, freed lowest first: an allocator that hands
    // out the last block freed first (glibc's does) then places the options
    // at falling addresses, and CLI11's own order would be the reverse.
    {
        std::vector<void*> blocks;
        for (int i = 0; i < 5; ++i) {
            blocks.push_back(::operator new(sizeof(CLI::Option)));
        }
        std::sort(blocks.begin(), blocks.end(), std::less<>());
        for (void* block : blocks) {
            ::operator delete(block);
        }
    }
    CLI::Option* first = app.add_option("--first", a);
    CLI::Option* second = app.add_option("--second", b);
    CLI::Option* third = app.add_option("--third", c);
    CLI::Option* fourth = app.add_option("--fourth", d);
    CLI::Option* fifth = app.add_option("--fifth", e);
    // Linked out of their declared order, needs before excludes.
    third->excludes(fifth)->excludes(first)->excludes(fourth);
    third->needs(second);
    fifth->needs(fourth)->needs(second);
    const std::string help = app.help();
    EXPECT_NE(help.find("--third TEXT Needs: --second Excludes: --first --fourth --fifth"),
              std::string::npos)
        << help;
    EXPECT_NE(help.find("--fifth TEXT Needs: --second --fourth Excludes: --third"),
              std::string::npos)
        << help;
    EXPECT_NE(help.find("--first TEXT Excludes: --third"), std::string::npos) << help;
    // Options that name none are written as CLI11 writes them.
    CLI::App plain{"help", "program"};
    plain.add_option("--second", b);
    const std::string plainHelp = plain.help();
    const std::size_t line = plainHelp.find("  --second");
    ASSERT_NE(line, std::string::npos);
    EXPECT_NE(help.find(plainHelp.substr(line, plainHelp.find('\n', line) - line)),
              std::string::npos)
        << help;
}

}  // namespace
}  // namespace tachoria
