#pragma once
// The platform services the program uses, gathered for the application object.

namespace fennick {

class Dialogs;
class Printer;
class Sound;
class Help;
class Shell;
class SettingsStore;
class Clock;
class Busy;
class Files;
class Network;

struct Platform {
    Dialogs& dialogs;
    Printer& printer;
    Sound& sound;
    Help& help;
    Shell& shell;
    SettingsStore& store;
    Clock& clock;
    Busy& busy;
    Files& files;
    Network& network;
};

}  // namespace fennick
