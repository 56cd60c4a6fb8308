// Where a minimised dialog draws its icon: centred in the client area.
#pragma once

struct IconPosition {
    int x;
    int y;
};

// (client - icon + 1) / 2 on each axis, the division truncating toward
// zero, so a client smaller than the icon gives -15 and not -16 for a
// 32-pixel icon in an empty client.
IconPosition MinimisedIconPosition(int clientWidth, int clientHeight, int iconWidth, int iconHeight);
