#include "placement.h"

QPoint placementOffset(const QRect &inner, const QRect &outer, int placement)
{
    if (placement < 1 || placement > 9)
        return {0, 0};

    const int iw = inner.right() - inner.left() + 1;
    const int ih = inner.bottom() - inner.top() + 1;
    const int ow = outer.right() - outer.left() + 1;
    const int oh = outer.bottom() - outer.top() + 1;

    const int column = (placement - 1) % 3;
    const int row = (placement - 1) / 3;
    const int xs[] = {0, ow / 2 - iw / 2, ow - iw};
    const int ys[] = {0, oh / 2 - ih / 2, oh - ih};
    return {xs[column], ys[row]};
}

int maximumXOffset(int placement, int areaWidth, int pictureWidth)
{
    const int left = placementOffset(QRect(0, 0, qMax(pictureWidth, 1), 1), QRect(0, 0, areaWidth, 1), placement).x();
    return areaWidth - qMin(40, qMax(pictureWidth, 0)) - left;
}
