#include "framework/StandardPictures.h"

namespace qv {

namespace {

constexpr ButtonPicture kTick{{
    "                ",
    "                ",
    "             g  ",
    "            GGg ",
    "           gGG  ",
    "          gGGg  ",
    "          GGg   ",
    "  g      GGg    ",
    " gGG    gGG     ",
    "  GGG  gGG      ",
    "   GGGgGGg      ",
    "    GGGGg       ",
    "     GGG        ",
    "      g         ",
    "                ",
    "                ",
}};
constexpr ButtonPicture kTickDisabled{{
    "                ",
    "                ",
    "             s  ",
    "            sss ",
    "           ssshh",
    "          ssssh ",
    "          ssshh ",
    "  s      ssshh  ",
    " sss    ssshh   ",
    "  sss  ssshh    ",
    "   sssssssh     ",
    "    ssssshh     ",
    "     ssshh      ",
    "      shh       ",
    "       h        ",
    "                ",
}};

constexpr ButtonPicture kNo{{
    "                ",
    "     rRRRRr     ",
    "   rRRRRRRRRr   ",
    "  rRRr    rRRr  ",
    "  RRr     RRRR  ",
    " rRr     RRRrRr ",
    " RR     RRR  RR ",
    " RR    RRR   RR ",
    " RR   RRR    RR ",
    " RR  RRR     RR ",
    " rRrRRR     rRr ",
    "  RRRR     rRR  ",
    "  rRRr    rRRr  ",
    "   rRRRRRRRRr   ",
    "     rRRRRr     ",
    "                ",
}};
constexpr ButtonPicture kNoDisabled{{
    "                ",
    "     ssssss     ",
    "   ssssssssss   ",
    "  sssshhhhssss  ",
    "  ssshh   ssssh ",
    " ssshh   ssssss ",
    " sshh   ssshhssh",
    " ssh   ssshh ssh",
    " ssh  ssshh  ssh",
    " ssh ssshh   ssh",
    " sssssshh   sssh",
    "  sssshh   ssshh",
    "  ssssh   ssssh ",
    "   sssssssssshh ",
    "    hsssssshhh  ",
    "      hhhhhh    ",
}};

constexpr ButtonPicture kCancel{{
    "                ",
    "                ",
    "   r        r   ",
    "  rRR      RRr  ",
    "   RRR    RRR   ",
    "    RRR  RRR    ",
    "     RRRRRR     ",
    "      RRRR      ",
    "      RRRR      ",
    "     RRRRRR     ",
    "    RRR  RRR    ",
    "   RRR    RRR   ",
    "  rRR      RRr  ",
    "   r        r   ",
    "                ",
    "                ",
}};
constexpr ButtonPicture kCancelDisabled{{
    "                ",
    "                ",
    "   s        s   ",
    "  sss      sss  ",
    "   sss    ssshh ",
    "    sss  ssshh  ",
    "     sssssshh   ",
    "      sssshh    ",
    "      ssssh     ",
    "     ssssss     ",
    "    ssshhsss    ",
    "   ssshh  sss   ",
    "  ssshh    sss  ",
    "   shh      shh ",
    "    h        h  ",
    "                ",
}};

constexpr ButtonPicture kNone{{}};

} // namespace

const ButtonPicture& StandardPicture(BitButton::Glyph glyph, bool enabled) {
    switch (glyph) {
    case BitButton::Glyph::Tick:
        return enabled ? kTick : kTickDisabled;
    case BitButton::Glyph::No:
        return enabled ? kNo : kNoDisabled;
    case BitButton::Glyph::Cancel:
        return enabled ? kCancel : kCancelDisabled;
    case BitButton::Glyph::None:
        break;
    }
    return kNone;
}

} // namespace qv
