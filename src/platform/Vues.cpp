#include "platform/Vues.h"

#include <QAbstractItemView>
#include <QPalette>

void GarderSelectionVisible(QAbstractItemView *vue)
{
    QPalette palette = vue->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    vue->setPalette(palette);
}
