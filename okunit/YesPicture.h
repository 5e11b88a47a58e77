#pragma once
#include "framework/ButtonPicture.h"

// The Yes button's own picture: a green tick, and the same tick embossed in the button's
// shadow and highlight colours while the button is disabled.
inline constexpr qv::ButtonPicture kYesPicture{{
    "                ",
    "            ggg ",
    "           ggGg ",
    "          ggGGg ",
    "          gGGgg ",
    "         ggGgg  ",
    " ggg    ggGGg   ",
    " gGgg  ggGGgg   ",
    " gGGgg gGGgg    ",
    " ggGGgggGgg     ",
    "  ggGGgGGg      ",
    "   ggGGGgg      ",
    "    ggGgg       ",
    "     ggg        ",
    "                ",
    "                ",
}};

inline constexpr qv::ButtonPicture kYesPictureDisabled{{
    "                ",
    "            sss ",
    "           ssssh",
    "          sssssh",
    "          sssssh",
    "         ssssshh",
    " sss    ssssshh ",
    " ssss  ssssssh  ",
    " sssss ssssshh  ",
    " sssssssssshh   ",
    "  sssssssshh    ",
    "   sssssssh     ",
    "    ssssshh     ",
    "     ssshh      ",
    "      hhh       ",
    "                ",
}};
