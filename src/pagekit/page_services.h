// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class BusyGate;
class Choices;
class EncoderJobs;
class QWidget;
class Settings;
struct AppContext;

// What a page is handed by whoever shows it (the main window, or a test): the shared
// collaborators, the settings and the remembered choices, the busy gate for long operations, the
// MP3 jobs and the widget that parents the page's dialogs. Everything referenced outlives the page.
struct PageServices {
    const AppContext& context;
    Settings& settings;
    Choices& choices;
    BusyGate& busy;
    EncoderJobs& encoderJobs;
    QWidget& dialogParent;
};
