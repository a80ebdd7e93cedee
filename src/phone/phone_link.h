// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "phone/kde_connect.h"
#include "phone/mtp_device.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// "Send to Phone": the phones a finished ringtone can go to now, and sending it.
//
//   USB (MTP)    an Android phone plugged in, unlocked and set to "File transfer": the tone
//                is copied into the folder Ringtones at the top of its main storage (made
//                when missing), where the phone's sound settings list it.
//   KDE Connect  any phone paired with KDE Connect and reachable: the tone is shared, and
//                the phone offers it to its user (an iPhone user opens it and chooses "Use
//                as Ringtone").
//
// Calls block (USB transfers, the KDE Connect client): use them from a worker thread, one
// call at a time; the bus and the client must outlive the link.
class PhoneLink {
public:
    static constexpr const char* RingtonesFolder = "Ringtones";

    struct Phone {
        enum class Route { Usb, KdeConnect };
        Route route = Route::Usb;
        QString name;
        QString id; // KDE Connect's device id; for USB the name the bus gave
    };

    PhoneLink(MtpBus& usb, const KdeConnect& kdeConnect);

    // The phones found, USB first. A route that fails is skipped and its reason added to
    // `problems` (may be null); a missing KDE Connect is no problem.
    QList<Phone> find(QStringList* problems = nullptr);
    // The message for an empty find(), telling how to connect a phone.
    static QString noPhoneMessage();
    // "Pixel 7 (USB)", "iPhone (KDE Connect)": a phone as lists show it.
    static QString describe(const Phone& phone);

    // Sends `file` to `phone` under its own file name; `progress` (may be empty) gets
    // percents. The sentence that tells the user where the tone is now, or the failure:
    //   Device      the phone is gone, held by another program, locked ("unlock it"), or
    //               refused the folder or the file (with the phone's reason);
    //   Exists      Ringtones holds a file of that name and `replace` is false (nothing sent);
    //   FileOpen    `file` cannot be read;
    //   and KdeConnect's failures.
    Result<QString> send(const Phone& phone, const QString& file, bool replace,
                         const std::function<void(int percent)>& progress = {});

private:
    Result<QString> sendOverUsb(const Phone& phone, const QString& file, bool replace,
                                const std::function<void(int percent)>& progress);

    MtpBus& m_usb;
    const KdeConnect& m_kdeConnect;
};
