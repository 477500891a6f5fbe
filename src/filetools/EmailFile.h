#pragma once
// The e-mail list: a comma-separated file of the names of the current view that have an
// e-mail address, under the header "Name,FName,LName,EMail,Meeting". Each line holds the
// full name, the first and last name, the address and the crusade's name.

#include <QByteArray>

namespace fennick {

class App;

// The whole file, from the current view (an empty view gives the header alone). A name
// whose e-mail field is blank is left out.
QByteArray EmailFile(App& app);

}  // namespace fennick
