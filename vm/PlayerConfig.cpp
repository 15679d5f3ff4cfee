#include "vm/PlayerConfig.h"

namespace trevalo::vm {

namespace {

bool lettersBetween(const std::string& text, char first, char last)
{
    if (text.size() != 2)
        return false;
    for (char c : text) {
        if (c < first || c > last)
            return false;
    }
    return true;
}

}

std::string validate(const PlayerConfig& config)
{
    const struct {
        const std::string& code;
        const char* what;
    } languages[] = {
        { config.menu_language, "menu language" },
        { config.audio_language, "audio language" },
        { config.subpicture_language, "sub-picture language" },
    };
    for (const auto& language : languages) {
        if (!lettersBetween(language.code, 'a', 'z'))
            return std::string("The player's ") + language.what + " \"" + language.code
                + "\" is not two lower-case letters (an ISO 639 code such as \"en\").";
    }
    if (!lettersBetween(config.parental_country, 'A', 'Z'))
        return "The player's parental country \"" + config.parental_country
            + "\" is not two upper-case letters (an ISO 3166 code such as \"US\").";
    if ((config.parental_level < 1 || config.parental_level > 8) && config.parental_level != 15)
        return "The player's parental level " + std::to_string(config.parental_level) + " is not 1 to 8 or 15 (none).";
    if (config.region < 1 || config.region > 8)
        return "The player's region " + std::to_string(config.region) + " is not 1 to 8.";
    return {};
}

std::uint16_t letterCode(const std::string& two_letters)
{
    if (two_letters.size() != 2)
        return 0;
    return static_cast<std::uint16_t>(static_cast<unsigned char>(two_letters[0]) << 8
        | static_cast<unsigned char>(two_letters[1]));
}

std::array<std::uint16_t, 24> startSprms(const PlayerConfig& config)
{
    std::array<std::uint16_t, 24> sprm {};
    sprm[0] = letterCode(config.menu_language);
    sprm[1] = 15;
    sprm[2] = 62;
    sprm[3] = 1;
    sprm[4] = 1;
    sprm[5] = 1;
    sprm[7] = 1;
    sprm[8] = 1 << 10;
    sprm[12] = letterCode(config.parental_country);
    sprm[13] = static_cast<std::uint16_t>(config.parental_level);
    sprm[14] = config.video;
    sprm[15] = config.audio_capabilities;
    sprm[16] = letterCode(config.audio_language);
    sprm[18] = letterCode(config.subpicture_language);
    if (config.region >= 1 && config.region <= 8)
        sprm[20] = static_cast<std::uint16_t>(1u << (config.region - 1));
    return sprm;
}

}
