#pragma once

class QAbstractItemView;

// Keeps a list's selection drawn as selected when the list loses the focus, so the user still
// sees which row a command will act on.
void GarderSelectionVisible(QAbstractItemView *vue);
