// Reading the command line of drovu-solve.
#include "batch/batch_options.h"

#include <cstring>

static const char* const kKeyNames[] = {"standard",     "param", "deflation", "param-deflation",
                                        "simultaneous", "auto"};
static const char* const kLanguageNames[] = {"en", "ja"};   // BatchLanguage from English on
static const char* const kFormatNames[] = {"report", "csv", "json"};
static const char* const kInputNames[] = {"files", "jsonl"};

const char* key_name(BatchKey key)
{
    return kKeyNames[static_cast<int>(key)];
}

// "E-4".."E-8" as the settings dialog lists them; "e-6" is accepted too,
// and "off" for scripts that pass the setting along.
static bool parse_rounding(const char* value, int* digit)
{
    if (std::strcmp(value, "off") == 0) {
        *digit = kNoRounding;
        return true;
    }
    if ((value[0] != 'E' && value[0] != 'e') || value[1] != '-' || value[2] < '4' || value[2] > '8' ||
        value[3] != '\0')
        return false;
    *digit = value[2] - '4';
    return true;
}

// Sets *item to the enumerator at value's position in names; false when
// value is none of them.
template <typename Item, int Count>
static bool parse_name(const char* value, const char* const (&names)[Count], int first, Item* item)
{
    for (int i = 0; i < Count; ++i) {
        if (std::strcmp(value, names[i]) == 0) {
            *item = static_cast<Item>(first + i);
            return true;
        }
    }
    return false;
}

enum class Valued { Key, Round, Lang, Format, Output, Input, None };

static Valued valued_option(const char* name, std::size_t length)
{
    static const struct {
        const char* name;
        Valued option;
    } kValued[] = {{"--key", Valued::Key}, {"--round", Valued::Round}, {"--lang", Valued::Lang},
                   {"--format", Valued::Format}, {"-o", Valued::Output}, {"--output", Valued::Output},
                   {"--input", Valued::Input}};
    for (const auto& v : kValued)
        if (std::strlen(v.name) == length && std::strncmp(name, v.name, length) == 0) return v.option;
    return Valued::None;
}

static OptionError apply_value(Valued option, const char* value, BatchOptions* options)
{
    switch (option) {
    case Valued::Key:
        return parse_name(value, kKeyNames, 0, &options->key) ? OptionError::None : OptionError::BadKey;
    case Valued::Round:
        return parse_rounding(value, &options->rounding_digit) ? OptionError::None : OptionError::BadRounding;
    case Valued::Lang:
        return parse_name(value, kLanguageNames, static_cast<int>(BatchLanguage::English), &options->language)
                   ? OptionError::None
                   : OptionError::BadLanguage;
    case Valued::Format:
        return parse_name(value, kFormatNames, 0, &options->format) ? OptionError::None : OptionError::BadFormat;
    case Valued::Output:
        options->output = std::strcmp(value, "-") == 0 ? nullptr : value;
        return OptionError::None;
    case Valued::Input:
        return parse_name(value, kInputNames, 0, &options->input) ? OptionError::None : OptionError::BadInput;
    case Valued::None:
        break;
    }
    return OptionError::UnknownOption;
}

OptionError parse_options(int argc, char** argv, BatchOptions* options, const char** offending)
{
    *options = BatchOptions{BatchKey::Standard, kNoRounding, BatchLanguage::System, BatchFormat::Report,
                            nullptr, false, false, false, argv + 1, 0, BatchInput::Files, false};
    *offending = nullptr;
    bool options_ended = false, key_given = false;
    for (int i = 1; i < argc; ++i) {
        char* arg = argv[i];
        // A lone "-" is a file name like any other.
        if (options_ended || arg[0] != '-' || arg[1] == '\0') {
            // Files move to the front; every slot before i has been read.
            options->files[options->file_count++] = arg;
            continue;
        }
        if (std::strcmp(arg, "--") == 0) {
            options_ended = true;
            continue;
        }
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            options->help = true;
            continue;
        }
        if (std::strcmp(arg, "--version") == 0) {
            options->version = true;
            continue;
        }
        if (std::strcmp(arg, "--highest-first") == 0) {
            options->highest_first = true;
            continue;
        }
        if (std::strcmp(arg, "--quiet") == 0 || std::strcmp(arg, "-q") == 0) {
            options->quiet = true;
            continue;
        }
        std::size_t name_length = std::strlen(arg);
        const char* value = nullptr;
        const char* equals = arg[1] == '-' ? std::strchr(arg, '=') : nullptr;
        if (equals) {
            name_length = static_cast<std::size_t>(equals - arg);
            value = equals + 1;
        } else if (arg[1] == 'o' && arg[2] != '\0') {  // "-oFILE", as short options are written
            name_length = 2;
            value = arg + 2;
        }
        const Valued option = valued_option(arg, name_length);
        *offending = arg;
        if (option == Valued::None) return OptionError::UnknownOption;
        if (!value) {
            if (i + 1 >= argc) return OptionError::MissingValue;
            value = argv[++i];
        }
        if (value[0] == '\0') return OptionError::MissingValue;
        *offending = value;
        if (option == Valued::Key) key_given = true;
        const OptionError error = apply_value(option, value, options);
        if (error != OptionError::None) return error;
        *offending = nullptr;
    }
    if (options->file_count == 0 && !options->help && !options->version && options->input == BatchInput::Files)
        return OptionError::NoFiles;
    // JSON Lines are the engine's own door, at any degree: the fifth key
    // unless another is asked for.
    if (options->input == BatchInput::Jsonl && !key_given) options->key = BatchKey::Simultaneous;
    return OptionError::None;
}
