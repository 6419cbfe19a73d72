#pragma once

#include <QPixmap>

namespace shell {

// The program's logo: a running figure on the carnival's green oval.
QPixmap ostrivaleLogo(int size);

} // namespace shell
