// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "phone/kde_connect.h"
#include "phone/mtp_device.h"
#include "phone/phone_link.h"

#include <QCoreApplication>
#include <cstdio>
#include <memory>

namespace cli {

namespace {

const char* const Help =
    QT_TRANSLATE_NOOP("cli", R"(usage: tunecarver-cli send FILE [--to N] [--replace]
       tunecarver-cli send --list

Sends a ringtone to a phone, as "Send to Phone" does after "Save as Ringtone":
  USB          an Android phone plugged in, unlocked and set to "File transfer": FILE
               is copied into the folder Ringtones (made when missing), where the
               phone's sound settings list it. A file of that name there is kept,
               unless --replace.
  KDE Connect  a phone paired with KDE Connect (kdeconnect-cli installed) and
               reachable: FILE is shared to it. On an iPhone, open it and choose
               "Use as Ringtone".
With one phone found FILE goes to it; with several, --to N names one by its number
in --list.)");

} // namespace

int runSend(QStringList args) {
    CommandLine line(QStringLiteral("send"), Help,
                     {QStringLiteral("list"), QStringLiteral("replace")}, {QStringLiteral("to")});
    if (const auto done = line.parse(args))
        return *done;
    args = line.positional();
    const bool list = line.flag(QStringLiteral("list"));
    const bool replace = line.flag(QStringLiteral("replace"));
    const auto toText = line.value(QStringLiteral("to"));
    if (list ? !args.isEmpty() : args.size() != 1)
        return usage(QStringLiteral("send"),
                     list ? QCoreApplication::translate("cli", "--list takes no FILE")
                          : QCoreApplication::translate("cli", "needs FILE"));
    const auto to = toText ? parseNonNegative(*toText) : std::optional<qint64>{};
    if (toText && (!to || *to < 1))
        return usage(QStringLiteral("send"),
                     QCoreApplication::translate("cli", "--to takes a phone's number, from 1"));

    const std::unique_ptr<MtpBus> usb = makeLibmtpBus();
    const KdeConnect kdeConnect;
    PhoneLink link(*usb, kdeConnect);
    QStringList problems;
    const QList<PhoneLink::Phone> phones = link.find(&problems);
    for (const QString& problem : problems)
        std::fprintf(stderr, "tunecarver-cli: warning: %s\n", qPrintable(problem));
    if (phones.isEmpty())
        return fail(PhoneLink::noPhoneMessage());
    if (list || (!to && phones.size() > 1)) {
        for (int i = 0; i < phones.size(); ++i)
            print(QStringLiteral("%1  %2").arg(i + 1).arg(PhoneLink::describe(phones.at(i))));
        return list ? Success
                    : usage(QStringLiteral("send"),
                            QCoreApplication::translate(
                                "cli", "%1 phones are connected: choose one with --to N")
                                .arg(phones.size()));
    }
    if (to && *to > phones.size())
        return fail(
            QCoreApplication::translate("cli", "there is no phone %1; --list shows them").arg(*to));
    const PhoneLink::Phone& phone = phones.at(to ? int(*to - 1) : 0);

    Progress progress(QStringLiteral("Sending"));
    const Result<QString> sent = link.send(phone, args.first(), replace,
                                           [&](int percent) { progress.update(percent / 100.0); });
    progress.finish();
    if (!sent) {
        if (sent.status().code() == ErrorCode::Exists)
            return fail(sent.status().message() +
                        QCoreApplication::translate("cli", " (--replace replaces it)"));
        return fail(sent.status());
    }
    print(*sent);
    return Success;
}

} // namespace cli
