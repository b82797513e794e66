#include "shell/DesktopArguments.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {
constexpr std::string_view kPrintTo = "--print-to";
constexpr std::string_view kPerPage = "--per-page";
constexpr std::string_view kSolutions = "--solutions";

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

DesktopArguments Bad(std::string error) {
    DesktopArguments result;
    result.error = std::move(error);
    return result;
}

// Walks the arguments, handing out "--name value" and "--name=value" alike.
class ArgumentReader {
public:
    explicit ArgumentReader(std::span<const std::string> arguments) : arguments_(arguments) {}

    bool AtEnd() const { return next_ >= arguments_.size(); }
    const std::string& Current() const { return arguments_[next_]; }
    // True when the current argument is the option; its value (inline or the next argument) is
    // then in value, or missing is set when there is none.
    bool TakeOption(std::string_view name, std::string& value, bool& missing) {
        const std::string& argument = Current();
        if (argument == name) {
            ++next_;
            missing = AtEnd();
            if (!missing) value = arguments_[next_++];
            return true;
        }
        if (argument.size() > name.size() && argument.starts_with(name) &&
            argument[name.size()] == '=') {
            value = argument.substr(name.size() + 1);
            missing = false;
            ++next_;
            return true;
        }
        return false;
    }
    void Skip() { ++next_; }

private:
    std::span<const std::string> arguments_;
    std::size_t next_ = 0;
};
}  // namespace

std::optional<SheetFormat> SheetFormatOf(const std::filesystem::path& file) {
    const std::string extension = LowerCase(file.extension().string());
    if (extension == ".pdf") return SheetFormat::Pdf;
    if (extension == ".png") return SheetFormat::Png;
    return std::nullopt;
}

bool IsPrintToRun(std::span<const std::string> arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--") return false;
        if (argument == kPrintTo || argument.starts_with(std::string(kPrintTo) + "=")) return true;
    }
    return false;
}

DesktopArguments ParseDesktopArguments(std::span<const std::string> arguments) {
    std::optional<std::string> output;
    std::optional<std::string> perPage;
    bool solutions = false;
    std::vector<std::string> files;
    bool optionsEnded = false;
    ArgumentReader reader(arguments);
    while (!reader.AtEnd()) {
        const std::string argument = reader.Current();
        std::string value;
        bool missing = false;
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            files.push_back(argument);
            reader.Skip();
        } else if (argument == "--") {
            optionsEnded = true;
            reader.Skip();
        } else if (argument == "--help" || argument == "-h") {
            DesktopArguments result;
            result.help = true;
            return result;
        } else if (reader.TakeOption(kPrintTo, value, missing) ||
                   reader.TakeOption(kPerPage, value, missing)) {
            const bool isPrintTo = argument.starts_with(kPrintTo);
            if (missing) return Bad("option '" + argument + "' needs a value");
            (isPrintTo ? output : perPage) = value;
        } else if (argument == kSolutions) {
            solutions = true;
            reader.Skip();
        } else {
            return Bad("unknown option '" + argument + "'");
        }
    }

    if (!output) {
        if (perPage || solutions)
            return Bad(std::string(perPage ? kPerPage : kSolutions) + " needs --print-to");
        if (files.size() > 1) return Bad("only one FILE can be opened");
        DesktopArguments result;
        if (!files.empty()) result.boardFile = files.front();
        return result;
    }

    PrintToRequest request;
    request.output = *output;
    const std::optional<SheetFormat> format = SheetFormatOf(request.output);
    if (!format) return Bad("--print-to writes a .pdf or a .png file, not '" + *output + "'");
    request.format = *format;
    if (perPage) {
        const std::string& text = *perPage;
        if (text != "1" && text != "2" && text != "4" && text != "6")
            return Bad("--per-page takes 1, 2, 4 or 6, not '" + text + "'");
        request.perPage = text.front() - '0';
    }
    request.solutions = solutions;
    if (files.size() != 1) return Bad("--print-to needs exactly one FILE of boards");
    request.input = files.front();
    DesktopArguments result;
    result.printTo = request;
    return result;
}
