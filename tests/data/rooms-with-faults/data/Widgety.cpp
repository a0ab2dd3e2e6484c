// A reader that draws.
#include <QWidget>
