#include "cwatermark.h"

CWatermark::CWatermark(QWidget *preview)
    : QLabel(preview)
{
    hide();
}
