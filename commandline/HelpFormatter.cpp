#include "commandline/HelpFormatter.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace tachoria {
namespace {

class DeclaredOrderFormatter : public CLI::Formatter {
public:
    std::string make_help(const CLI::App* app, std::string name,
                          CLI::AppFormatMode mode) const override {
        const CLI::App* outer = shown_;
        shown_ = app;
        std::string text = CLI::Formatter::make_help(app, std::move(name), mode);
        shown_ = outer;
        return text;
    }

    std::string make_expanded(const CLI::App* sub) const override {
        const CLI::App* outer = shown_;
        shown_ = sub;
        std::string text = CLI::Formatter::make_expanded(sub);
        shown_ = outer;
        return text;
    }

    std::string make_option_opts(const CLI::Option* opt) const override {
        std::string text = CLI::Formatter::make_option_opts(opt);
        const std::set<CLI::Option*>& needs = opt->get_needs();
        const std::set<CLI::Option*>& excludes = opt->get_excludes();
        if (shown_ == nullptr || (needs.empty() && excludes.empty())) {
            return text;
        }
        const std::string needsLabel = " " + get_label("Needs") + ":";
        const std::string excludesLabel = " " + get_label("Excludes") + ":";
        // CLI11 writes the needed, then the excluded options, last.
        const std::size_t lists = text.rfind(needs.empty() ? excludesLabel : needsLabel);
        const std::optional<std::string> needed = Names(needsLabel, needs);
        const std::optional<std::string> excluded = Names(excludesLabel, excludes);
        if (lists == std::string::npos || !needed || !excluded) {
            return text;
        }
        return text.substr(0, lists) + *needed + *excluded;
    }

private:
    // " <label> --a --b" in the order of the shown command's options ("" for
    // none), or nothing when one of them is not the shown command's own.
    std::optional<std::string> Names(const std::string& label,
                                     const std::set<CLI::Option*>& options) const {
        if (options.empty()) {
            return std::string();
        }
        const std::set<const CLI::Option*> wanted(options.begin(), options.end());
        std::string names = label;
        std::size_t found = 0;
        for (const CLI::Option* option : shown_->get_options()) {
            if (wanted.contains(option)) {
                names += " " + option->get_name();
                ++found;
            }
        }
        if (found != options.size()) {
            return std::nullopt;
        }
        return names;
    }

    // The command whose help is being written.
    mutable const CLI::App* shown_ = nullptr;
};

}  // namespace

std::shared_ptr<CLI::Formatter> MakeHelpFormatter() {
    return std::make_shared<DeclaredOrderFormatter>();
}

}  // namespace tachoria
