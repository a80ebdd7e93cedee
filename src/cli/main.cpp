// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"
#include "cli/commands.h"

#include "base/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <functional>
#include <map>

namespace {

const char* const Overview = QT_TRANSLATE_NOOP("cli", R"(usage: tunecarver-cli COMMAND [ARGS]

KorvaNel Tunecarver on the command line, over the same code as the window.

commands:
  convert IN OUT [--bitrate K]       decode IN to a WAV, or encode it (MP3, M4A, OGG,
                                     Opus, FLAC by OUT's extension)
  inputs                             list the sound inputs
  record OUT --seconds S [--input I] [--start-on-sound DB [--pre-roll P]]
                                     record from an input to a WAV or an MP3, at
                                     once or from the first sound
  play FILE                          play a file to its end
  crop IN OUT --from MS --to MS      keep the stretch between two times of a WAV
  join OUT CLIP... [--bitrate K]     join WAV clips in order into one file
  ringtone IN OUT [--target T]       a ringtone for an iPhone (.m4r: share sheet, under
           [--title T] [--loop]      30 s, or Finder, up to 40 s) or Android (.ogg, .mp3),
           [--auto]                  exactly as long as cut, titled; --loop: seamless;
                                     --auto cuts the first suggestion of 'analyse'
  send FILE [--to N]                 send a ringtone to a phone (USB or KDE Connect)
  waveform IN OUT.json|OUT.png       the outline of a sound, as the editor draws it
  fade IN OUT [--in S] [--out S]     fade a WAV in and out
  gain IN OUT --db D                 make a WAV louder or quieter
  normalise IN OUT [--lufs L]        bring a WAV to a loudness (EBU R128)
  cleanup IN OUT [--no-trim] [--no-denoise] [--no-declick] [--lufs L]
                                     clean up a spoken take: rumble, clicks, the
                                     room's noise, silence at the ends, loudness
  analyse IN [--json] [--length S]   tempo, beats, bars, sections and the ringtone
                                     windows worth hearing first

'tunecarver-cli COMMAND --help' tells more about one command.)");

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tunecarver-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TUNECARVER_VERSION));
    // The user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): the program's own catalogue,
    // the window's for the messages of the parts both share, and Qt's for the parser's.
    // Without one the texts stay English.
    language::install(QString(), {QStringLiteral("tunecarver-cli"), QStringLiteral("tunecarver")});

    const std::map<QString, std::function<int(QStringList)>> commands{
        {QStringLiteral("convert"), cli::runConvert},
        {QStringLiteral("inputs"), cli::runInputs},
        {QStringLiteral("record"), cli::runRecord},
        {QStringLiteral("play"), cli::runPlay},
        {QStringLiteral("crop"), cli::runCrop},
        {QStringLiteral("join"), cli::runJoin},
        {QStringLiteral("ringtone"), cli::runRingtone},
        {QStringLiteral("send"), cli::runSend},
        {QStringLiteral("waveform"), cli::runWaveform},
        {QStringLiteral("fade"), cli::runFade},
        {QStringLiteral("gain"), cli::runGain},
        {QStringLiteral("normalise"), cli::runNormalise},
        {QStringLiteral("cleanup"), cli::runCleanup},
        {QStringLiteral("analyse"), cli::runAnalyse},
    };
    // The program's own options come before the command; everything from the command on is
    // the command's to read.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parser.addOption(QCommandLineOption(QStringLiteral("version")));
    if (!parser.parse(QCoreApplication::arguments())) {
        cli::fail(parser.errorText());
        cli::print(QCoreApplication::translate("cli", Overview));
        return cli::Usage;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        cli::print(QStringLiteral("tunecarver-cli %1").arg(QCoreApplication::applicationVersion()));
        return cli::Success;
    }
    QStringList args = parser.positionalArguments();
    if (parser.isSet(QStringLiteral("help")) || args.isEmpty()) {
        cli::print(QCoreApplication::translate("cli", Overview));
        return args.isEmpty() && !parser.isSet(QStringLiteral("help")) ? cli::Usage : cli::Success;
    }
    const QString name = args.takeFirst();
    const auto command = commands.find(name);
    if (command == commands.end()) {
        cli::fail(QCoreApplication::translate("cli", "unknown command '%1'").arg(name));
        cli::print(QCoreApplication::translate("cli", Overview));
        return cli::Usage;
    }
    return command->second(args);
}
