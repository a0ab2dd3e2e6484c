// The tool-bar buttons' pictures (22 by 14 pixels), drawn rather than stored.
#pragma once

#include <QIcon>

QIcon toolBarIcon(int commandId);
