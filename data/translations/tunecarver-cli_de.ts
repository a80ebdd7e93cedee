<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>cli</name>
    <message>
        <source>needs IN</source>
        <translation>braucht IN</translation>
    </message>
    <message>
        <source>Analysing</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>tempo: %1 BPM</source>
        <translation>Tempo: %1 BPM</translation>
    </message>
    <message>
        <source>beats (%1): %2</source>
        <translation>Schläge (%1): %2</translation>
    </message>
    <message>
        <source>bars (%1): %2</source>
        <translation>Takte (%1): %2</translation>
    </message>
    <message>
        <source>no grid: %1</source>
        <translation>kein Raster: %1</translation>
    </message>
    <message>
        <source>sections:</source>
        <translation>Abschnitte:</translation>
    </message>
    <message>
        <source>suggestions (%1 s):</source>
        <translation>Vorschläge (%1 s):</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli cleanup IN OUT [--no-trim] [--no-denoise] [--no-declick]
                              [--no-level | --lufs L]

Cleans up a spoken take in one go and writes it to OUT: takes out rumble below 80 Hz and
clicks, reduces the steady noise of the room (learnt from the quietest half second), cuts
the silence at both ends down to 200 ms of room before the first and after the last
sound, and brings the voice to L LUFS (default -16) with the true peak under -1 dBTP.
Each --no-... option leaves that step out. IN is an 8- or 16-bit PCM WAV file of at
least half a second; OUT, a WAV of the same format, may be IN itself and is replaced
only when it was written whole.</source>
        <translation>Aufruf: tunecarver-cli cleanup IN OUT [--no-trim] [--no-denoise] [--no-declick]
                              [--no-level | --lufs L]

Säubert eine gesprochene Aufnahme in einem Zug und schreibt sie nach OUT: entfernt
Rumpeln unter 80 Hz und Klicks, mindert das gleichmäßige Rauschen des Raums (gelernt aus
der leisesten halben Sekunde), kürzt die Stille an beiden Enden auf 200 ms Raum vor dem
ersten und nach dem letzten Klang und bringt die Stimme auf L LUFS (Vorgabe -16), mit dem
True Peak unter -1 dBTP. Jede Option --no-... lässt diesen Schritt aus. IN ist eine 8-
oder 16-Bit-PCM-WAV-Datei von mindestens einer halben Sekunde; OUT, ein WAV desselben
Formats, darf IN selbst sein und wird nur ersetzt, wenn es ganz geschrieben wurde.</translation>
    </message>
    <message>
        <source>give --lufs or --no-level, not both</source>
        <translation>--lufs oder --no-level angeben, nicht beides</translation>
    </message>
    <message>
        <source>needs IN and OUT</source>
        <translation>braucht IN und OUT</translation>
    </message>
    <message>
        <source>Cleaning up</source>
        <translation>Säubern</translation>
    </message>
    <message>
        <source>Kept %1 s from %2 s on; the noise floor was %3 dBFS.</source>
        <translation>%1 s ab %2 s behalten; das Grundrauschen lag bei %3 dBFS.</translation>
    </message>
    <message>
        <source>failed with error code %1</source>
        <translation>fehlgeschlagen mit Fehlercode %1</translation>
    </message>
    <message>
        <source>tunecarver-cli %1: %2
Try &apos;tunecarver-cli %1 --help&apos;.</source>
        <translation>tunecarver-cli %1: %2
Siehe &apos;tunecarver-cli %1 --help&apos;.</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli convert IN OUT [--bitrate K] [--lufs L] [--fade-out S]

Converts one file; OUT&apos;s extension chooses what is written. IN is any file the
program reads (MP3, WAV, FLAC, OGG, M4A, ...); more than two channels are mixed
down to two.
  .wav          a 44-byte-header PCM WAV at IN&apos;s own rate and channel count
  .mp3          MP3 at K kbit/s constant bit rate (56, 96, 128 or 256)
  .m4r, .m4a    AAC-LC, 44100 Hz stereo, K kbit/s, in an MP4 file
  .ogg          Vorbis at about K kbit/s
  .opus         Opus at K kbit/s, 48000 Hz
  .flac         FLAC, lossless (no --bitrate)
K is 128 unless --bitrate says otherwise. --lufs brings the sound to the loudness L
(EBU R128, its true peak kept under -1 dBTP) and --fade-out fades its last S seconds
out, before it is written. OUT is replaced only when the conversion worked.</source>
        <translation>Aufruf: tunecarver-cli convert IN OUT [--bitrate K] [--lufs L] [--fade-out S]

Wandelt eine Datei um; die Endung von OUT bestimmt, was geschrieben wird. IN ist jede
Datei, die das Programm liest (MP3, WAV, FLAC, OGG, M4A, …); mehr als zwei Kanäle werden
auf zwei heruntergemischt.
  .wav          ein PCM-WAV mit 44-Byte-Kopf in der Rate und Kanalzahl von IN
  .mp3          MP3 mit K kbit/s konstanter Bitrate (56, 96, 128 oder 256)
  .m4r, .m4a    AAC-LC, 44100 Hz Stereo, K kbit/s, in einer MP4-Datei
  .ogg          Vorbis mit etwa K kbit/s
  .opus         Opus mit K kbit/s, 48000 Hz
  .flac         FLAC, verlustfrei (ohne --bitrate)
K ist 128, wenn --bitrate nichts anderes sagt. --lufs bringt den Klang auf die Lautheit L
(EBU R128, sein True Peak unter -1 dBTP gehalten) und --fade-out blendet seine letzten S
Sekunden aus, bevor er geschrieben wird. OUT wird nur ersetzt, wenn die Umwandlung gelang.</translation>
    </message>
    <message>
        <source>--lufs takes a loudness from -70 to 0, --fade-out seconds</source>
        <translation>--lufs nimmt eine Lautheit von -70 bis 0, --fade-out Sekunden</translation>
    </message>
    <message>
        <source>no scratch folder can be made (%1)</source>
        <translation>es lässt sich kein Arbeitsordner anlegen (%1)</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli crop IN OUT --from MS --to MS [--verbose]

Keeps the stretch of IN from --from to --to (milliseconds from the start; default the
start and the end of IN) and writes it to OUT, by the same edit commands as the Done
button of the Audio Edit page. IN is an 8- or 16-bit PCM WAV file; OUT is a 44-byte-header
WAV of the same format and may be IN itself. OUT is replaced only when the crop worked.
--verbose prints the edit commands as they are sent.</source>
        <translation>Aufruf: tunecarver-cli crop IN OUT --from MS --to MS [--verbose]

Behält den Abschnitt von IN von --from bis --to (Millisekunden ab dem Anfang; Vorgabe
Anfang und Ende von IN) und schreibt ihn nach OUT, mit denselben Bearbeitungsbefehlen wie
der Knopf „Zuschneiden“ der Seite „Audio bearbeiten“. IN ist eine PCM-WAV-Datei mit 8
oder 16 Bit; OUT ist ein WAV mit 44-Byte-Kopf im selben Format und darf IN selbst sein.
OUT wird nur ersetzt, wenn das Zuschneiden gelang.
--verbose gibt die Bearbeitungsbefehle aus, während sie gesendet werden.</translation>
    </message>
    <message>
        <source>--from and --to take whole milliseconds</source>
        <translation>--from und --to nehmen ganze Millisekunden</translation>
    </message>
    <message>
        <source>--from must come before --to</source>
        <translation>--from muss vor --to liegen</translation>
    </message>
    <message>
        <source>%1: --to %2 is past the end of the sound (%3 ms)</source>
        <translation>%1: --to %2 liegt hinter dem Ende des Klangs (%3 ms)</translation>
    </message>
    <message>
        <source>%1: no scratch folder can be made beside it (%2)</source>
        <translation>%1: daneben lässt sich kein Arbeitsordner anlegen (%2)</translation>
    </message>
    <message>
        <source>OUT must end in .wav, .mp3, .m4r, .m4a, .ogg, .opus or .flac</source>
        <translation>OUT muss auf .wav, .mp3, .m4r, .m4a, .ogg, .opus oder .flac enden</translation>
    </message>
    <message>
        <source>--bitrate is not for %1 output</source>
        <translation>--bitrate gilt nicht für %1-Ausgabe</translation>
    </message>
    <message>
        <source>--bitrate must be 56, 96, 128 or 256 for MP3</source>
        <translation>--bitrate muss für MP3 56, 96, 128 oder 256 sein</translation>
    </message>
    <message>
        <source>--bitrate takes a whole number of kbit/s</source>
        <translation>--bitrate nimmt eine ganze Zahl von kbit/s</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Kodieren</translation>
    </message>
    <message>
        <source>%1: the encoder refused the job (error code %2)</source>
        <translation>%1: der Encoder hat den Auftrag abgelehnt (Fehlercode %2)</translation>
    </message>
    <message>
        <source>Decoding</source>
        <translation>Dekodieren</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli inputs

Lists the sound inputs of the sound server, one line each:
INDEX on|off LEVEL TYPE NAME. &quot;on&quot; marks the input a recording uses.</source>
        <translation>Aufruf: tunecarver-cli inputs

Listet die Toneingänge des Soundservers auf, je eine Zeile:
INDEX on|off PEGEL TYP NAME. „on“ kennzeichnet den Eingang, den eine Aufnahme nutzt.</translation>
    </message>
    <message>
        <source>takes no arguments</source>
        <translation>nimmt keine Argumente</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli join OUT CLIP... [--bitrate K]

Joins the clips, in the order given, as the Audio Edit page saves its list: the first
clip&apos;s header with both sizes set to the joined sound, then the sound of every clip.
Clips are 8- or 16-bit PCM WAV files; a clip whose rate, channel count or sample size
differs from the first clip&apos;s is converted to the first clip&apos;s format, the others are
copied byte for byte. OUT ending in .wav: the joined WAV. Any other extension that
&apos;convert&apos; writes (.mp3, .m4r, .m4a, .ogg, .opus, .flac): the joined sound encoded as
&apos;convert&apos; encodes it, at --bitrate K where that applies. OUT is replaced only when
everything worked.</source>
        <translation>Aufruf: tunecarver-cli join OUT CLIP... [--bitrate K]

Fügt die Clips in der angegebenen Reihenfolge zusammen, wie die Seite „Audio bearbeiten“
ihre Liste speichert: der Kopf des ersten Clips mit beiden Größen auf den
zusammengefügten Klang gesetzt, dann der Klang jedes Clips. Clips sind 8- oder
16-Bit-PCM-WAV-Dateien; ein Clip, dessen Rate, Kanalzahl oder Samplegröße vom ersten
Clip abweicht, wird in dessen Format umgewandelt, die anderen werden Byte für Byte
kopiert. OUT auf .wav: das zusammengefügte WAV. Jede andere Endung, die
&apos;convert&apos; schreibt (.mp3, .m4r, .m4a, .ogg, .opus, .flac): der zusammengefügte
Klang, kodiert wie &apos;convert&apos; kodiert, mit --bitrate K, wo das gilt. OUT wird
nur ersetzt, wenn alles gelang.</translation>
    </message>
    <message>
        <source>Joining</source>
        <translation>Zusammenfügen</translation>
    </message>
    <message>
        <source>needs OUT and at least one CLIP</source>
        <translation>braucht OUT und mindestens einen CLIP</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli COMMAND [ARGS]

KorvaNel Tunecarver on the command line, over the same code as the window.

commands:
  convert IN OUT [--bitrate K]       decode IN to a WAV, or encode it (MP3, M4A, OGG,
                                     Opus, FLAC by OUT&apos;s extension)
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
                                     --auto cuts the first suggestion of &apos;analyse&apos;
  send FILE [--to N]                 send a ringtone to a phone (USB or KDE Connect)
  waveform IN OUT.json|OUT.png       the outline of a sound, as the editor draws it
  fade IN OUT [--in S] [--out S]     fade a WAV in and out
  gain IN OUT --db D                 make a WAV louder or quieter
  normalise IN OUT [--lufs L]        bring a WAV to a loudness (EBU R128)
  cleanup IN OUT [--no-trim] [--no-denoise] [--no-declick] [--lufs L]
                                     clean up a spoken take: rumble, clicks, the
                                     room&apos;s noise, silence at the ends, loudness
  analyse IN [--json] [--length S]   tempo, beats, bars, sections and the ringtone
                                     windows worth hearing first

&apos;tunecarver-cli COMMAND --help&apos; tells more about one command.</source>
        <translation>Aufruf: tunecarver-cli BEFEHL [ARGUMENTE]

KorvaNel Tunecarver auf der Kommandozeile, mit demselben Code wie das Fenster.

Befehle:
  convert IN OUT [--bitrate K]       IN zu einem WAV dekodieren oder kodieren (MP3, M4A,
                                     OGG, Opus, FLAC nach der Endung von OUT)
  inputs                             die Toneingänge auflisten
  record OUT --seconds S [--input I] [--start-on-sound DB [--pre-roll P]]
                                     von einem Eingang in ein WAV oder MP3 aufnehmen,
                                     sofort oder ab dem ersten Klang
  play FILE                          eine Datei bis zu ihrem Ende abspielen
  crop IN OUT --from MS --to MS      den Abschnitt zwischen zwei Zeiten eines WAV behalten
  join OUT CLIP... [--bitrate K]     WAV-Clips der Reihe nach zu einer Datei zusammenfügen
  ringtone IN OUT [--target T]       ein Klingelton für ein iPhone (.m4r: Teilen-Menü,
           [--title T] [--loop]      unter 30 s, oder Finder, bis 40 s) oder Android (.ogg,
           [--auto]                  .mp3), genau so lang wie geschnitten, mit Titel;
                                     --loop: nahtlos; --auto schneidet den ersten
                                     Vorschlag von &apos;analyse&apos;
  send FILE [--to N]                 einen Klingelton an ein Telefon senden (USB oder
                                     KDE Connect)
  waveform IN OUT.json|OUT.png       der Umriss eines Klangs, wie der Editor ihn zeichnet
  fade IN OUT [--in S] [--out S]     ein WAV ein- und ausblenden
  gain IN OUT --db D                 ein WAV lauter oder leiser machen
  normalise IN OUT [--lufs L]        ein WAV auf eine Lautheit bringen (EBU R128)
  cleanup IN OUT [--no-trim] [--no-denoise] [--no-declick] [--lufs L]
                                     eine gesprochene Aufnahme säubern: Rumpeln, Klicks,
                                     das Rauschen des Raums, Stille an den Enden, Lautheit
  analyse IN [--json] [--length S]   Tempo, Schläge, Takte, Abschnitte und die
                                     Klingelton-Fenster, die zuerst hörenswert sind

&apos;tunecarver-cli BEFEHL --help&apos; sagt mehr über einen Befehl.</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli play FILE

Plays FILE (a WAV, or any file the program can decode) to its end on the sound
server&apos;s default output.</source>
        <translation>Aufruf: tunecarver-cli play FILE

Spielt FILE (ein WAV oder jede Datei, die das Programm dekodieren kann) bis zum Ende auf
der Standardausgabe des Soundservers ab.</translation>
    </message>
    <message>
        <source>needs FILE</source>
        <translation>braucht FILE</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>%1: playback stopped early</source>
        <translation>%1: die Wiedergabe hat zu früh aufgehört</translation>
    </message>
    <message>
        <source>%1: playback stopped early: the sound server stopped playing it (it may have gone away).</source>
        <translation>%1: die Wiedergabe hat zu früh aufgehört: der Soundserver hat sie beendet (vielleicht ist er nicht mehr da).</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli record OUT --seconds S [--input I]
                             [--start-on-sound DB [--pre-roll P]]

Records S seconds (a whole number) at 44100 Hz, stereo, 16 bit from input I (an
index of &apos;tunecarver-cli inputs&apos;; default: the input that is on) and saves the
take to OUT, a .wav or (through the encoder at 128 kbit/s) an .mp3. Should the
sound server end the recording early, what was recorded until then is saved all the
same and the exit status is 1.

With --start-on-sound the take waits until a sample first reaches DB dBFS (-60 to
0; -40 suits a voice in a quiet room) and begins there, with the P seconds heard
before that moment in front of it (0 to 2, default 0.5); the S seconds count from
the sound.</source>
        <translation>Aufruf: tunecarver-cli record OUT --seconds S [--input I]
                             [--start-on-sound DB [--pre-roll P]]

Nimmt S Sekunden (eine ganze Zahl) mit 44100 Hz, Stereo, 16 Bit vom Eingang I auf (ein
Index aus &apos;tunecarver-cli inputs&apos;; Vorgabe: der eingeschaltete Eingang) und speichert die
Aufnahme nach OUT, ein .wav oder (über den Encoder mit 128 kbit/s) ein .mp3. Beendet der
Soundserver die Aufnahme zu früh, wird das bis dahin Aufgenommene trotzdem gespeichert,
und der Rückgabewert ist 1.

Mit --start-on-sound wartet die Aufnahme, bis ein Sample zum ersten Mal DB dBFS erreicht
(-60 bis 0; -40 passt zu einer Stimme in einem ruhigen Raum), und beginnt dort, mit den P
Sekunden davor vorangestellt (0 bis 2, Vorgabe 0.5); die S Sekunden zählen ab dem Klang.</translation>
    </message>
    <message>
        <source>--start-on-sound takes -60 to 0</source>
        <translation>--start-on-sound nimmt -60 bis 0</translation>
    </message>
    <message>
        <source>--pre-roll takes 0 to 2</source>
        <translation>--pre-roll nimmt 0 bis 2</translation>
    </message>
    <message>
        <source>--pre-roll goes with --start-on-sound</source>
        <translation>--pre-roll gehört zu --start-on-sound</translation>
    </message>
    <message>
        <source>needs OUT</source>
        <translation>braucht OUT</translation>
    </message>
    <message>
        <source>OUT must end in .wav or .mp3</source>
        <translation>OUT muss auf .wav oder .mp3 enden</translation>
    </message>
    <message>
        <source>--seconds S is needed, a whole number from 1 to %1</source>
        <translation>--seconds S wird gebraucht, eine ganze Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>no input %1</source>
        <translation>kein Eingang %1</translation>
    </message>
    <message>
        <source>Waiting for sound…</source>
        <translation>Warten auf Klang…</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>%1Nothing was recorded: %2 was not written.</source>
        <translation>%1Nichts wurde aufgenommen: %2 wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>The sound server ended the recording after %1 s. What was recorded until then is saved in %2.</source>
        <translation>Der Soundserver hat die Aufnahme nach %1 s beendet. Was bis dahin aufgenommen wurde, ist in %2 gespeichert.</translation>
    </message>
    <message>
        <source>warning: %1: the tone is %2 long; an iPhone may not offer a ringtone longer than %3</source>
        <translation>Warnung: %1: der Ton ist %2 lang; ein iPhone bietet einen Klingelton über %3 vielleicht nicht an</translation>
    </message>
    <message>
        <source>%1: the tone is %2 long; an iPhone takes at most %3 (--trim saves its first %3)</source>
        <translation>%1: der Ton ist %2 lang; ein iPhone nimmt höchstens %3 (--trim speichert seine ersten %3)</translation>
    </message>
    <message>
        <source>--lufs takes a loudness from -70 to 0, without --no-loudness</source>
        <translation>--lufs nimmt eine Lautheit von -70 bis 0, ohne --no-loudness</translation>
    </message>
    <message>
        <source>--target is iphone, iphone-finder, android-ogg or android-mp3</source>
        <translation>--target ist iphone, iphone-finder, android-ogg oder android-mp3</translation>
    </message>
    <message>
        <source>OUT must end in .m4r, .ogg or .mp3</source>
        <translation>OUT muss auf .m4r, .ogg oder .mp3 enden</translation>
    </message>
    <message>
        <source>OUT must end in .%1 for --target %2</source>
        <translation>OUT muss für --target %2 auf .%1 enden</translation>
    </message>
    <message>
        <source>--bitrate is for .mp3 only, and 56, 96, 128 or 256</source>
        <translation>--bitrate gilt nur für .mp3 und ist 56, 96, 128 oder 256</translation>
    </message>
    <message>
        <source>%1: no stretch of sound to make a tone of</source>
        <translation>%1: kein Stück Klang, aus dem sich ein Ton machen lässt</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli send FILE [--to N] [--replace]
       tunecarver-cli send --list

Sends a ringtone to a phone, as &quot;Send to Phone&quot; does after &quot;Save as Ringtone&quot;:
  USB          an Android phone plugged in, unlocked and set to &quot;File transfer&quot;: FILE
               is copied into the folder Ringtones (made when missing), where the
               phone&apos;s sound settings list it. A file of that name there is kept,
               unless --replace.
  KDE Connect  a phone paired with KDE Connect (kdeconnect-cli installed) and
               reachable: FILE is shared to it. On an iPhone, open it and choose
               &quot;Use as Ringtone&quot;.
With one phone found FILE goes to it; with several, --to N names one by its number
in --list.</source>
        <translation>Aufruf: tunecarver-cli send FILE [--to N] [--replace]
        tunecarver-cli send --list

Sendet einen Klingelton an ein Telefon, wie es „An Telefon senden“ nach
„Als Klingelton speichern“ tut:
  USB          ein Android-Telefon, angeschlossen, entsperrt und auf „Dateiübertragung“
               gestellt: FILE wird in den Ordner Ringtones kopiert (angelegt, wenn er
               fehlt), wo die Toneinstellungen des Telefons ihn auflisten. Eine Datei
               dieses Namens dort bleibt erhalten, außer mit --replace.
  KDE Connect  ein mit KDE Connect gekoppeltes Telefon (kdeconnect-cli installiert),
               das erreichbar ist: FILE wird an es geteilt. Auf einem iPhone öffnen und
               „Als Klingelton verwenden“ wählen.
Mit einem gefundenen Telefon geht FILE an dieses; bei mehreren nennt --to N eines mit
seiner Nummer aus --list.</translation>
    </message>
    <message>
        <source>--list takes no FILE</source>
        <translation>--list nimmt keine FILE</translation>
    </message>
    <message>
        <source>--to takes a phone&apos;s number, from 1</source>
        <translation>--to nimmt die Nummer eines Telefons, ab 1</translation>
    </message>
    <message>
        <source>%1 phones are connected: choose one with --to N</source>
        <translation>%1 Telefone sind verbunden: eines mit --to N wählen</translation>
    </message>
    <message>
        <source>there is no phone %1; --list shows them</source>
        <translation>es gibt kein Telefon %1; --list zeigt sie</translation>
    </message>
    <message>
        <source> (--replace replaces it)</source>
        <translation> (--replace ersetzt sie)</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli fade IN OUT [--in S] [--out S]

Fades IN in over its first S seconds and out over its last S seconds (default 1.0 each
when neither is given; 0 for none) with a smooth curve, and writes the result to OUT.
IN is an 8- or 16-bit PCM WAV file; OUT, a WAV of the same format, may be IN itself and
is replaced only when it was written whole.</source>
        <translation>Aufruf: tunecarver-cli fade IN OUT [--in S] [--out S]

Blendet IN über seine ersten S Sekunden ein und über seine letzten S Sekunden aus
(Vorgabe je 1.0, wenn keines angegeben ist; 0 für keines) mit einer weichen Kurve und
schreibt das Ergebnis nach OUT. IN ist eine 8- oder 16-Bit-PCM-WAV-Datei; OUT, ein WAV
desselben Formats, darf IN selbst sein und wird nur ersetzt, wenn es ganz geschrieben
wurde.</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli gain IN OUT --db D

Makes IN D decibels louder (or quieter for a negative D) and writes it to OUT. Samples
past full scale are held there and counted.</source>
        <translation>Aufruf: tunecarver-cli gain IN OUT --db D

Macht IN um D Dezibel lauter (oder leiser bei negativem D) und schreibt es nach OUT.
Samples über Vollaussteuerung werden dort gehalten und gezählt.</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli normalise IN OUT [--lufs L | --peak DB]

Brings IN to the loudness L (default -14 LUFS, measured by EBU R128) without letting its
true peak pass -1 dBTP, or with --peak its highest sample to DB dBFS, and writes it to
OUT. A sound shorter than 0.4 s is brought to a -1 dBFS peak. Silence is refused (exit
status 1) and OUT is left as it was.</source>
        <translation>Aufruf: tunecarver-cli normalise IN OUT [--lufs L | --peak DB]

Bringt IN auf die Lautheit L (Vorgabe -14 LUFS, gemessen nach EBU R128), ohne seinen True
Peak über -1 dBTP steigen zu lassen, oder mit --peak sein höchstes Sample auf DB dBFS, und
schreibt es nach OUT. Ein Klang kürzer als 0,4 s wird auf einen Spitzenwert von -1 dBFS
gebracht. Stille wird abgelehnt (Rückgabewert 1), und OUT bleibt, wie es war.</translation>
    </message>
    <message>
        <source>--%1 takes a number</source>
        <translation>--%1 nimmt eine Zahl</translation>
    </message>
    <message>
        <source>--in and --out take seconds, 0 or more</source>
        <translation>--in und --out nehmen Sekunden, 0 oder mehr</translation>
    </message>
    <message>
        <source>needs --db D, from -%1 to %1</source>
        <translation>braucht --db D, von -%1 bis %1</translation>
    </message>
    <message>
        <source>give --lufs or --peak, not both</source>
        <translation>--lufs oder --peak angeben, nicht beides</translation>
    </message>
    <message>
        <source>--lufs takes a loudness from -70 to 0</source>
        <translation>--lufs nimmt eine Lautheit von -70 bis 0</translation>
    </message>
    <message>
        <source>--peak takes a level at or below 0 dBFS</source>
        <translation>--peak nimmt einen Pegel bis höchstens 0 dBFS</translation>
    </message>
    <message>
        <source>%1 holds nothing but silence: there is nothing to bring up, and %2 is left as it was.</source>
        <translation>%1 enthält nichts als Stille: es gibt nichts anzuheben, und %2 bleibt, wie es war.</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli waveform IN OUT [--samples-per-pixel N | --width W]
                                [--from MS --to MS] [--height H]

Writes the outline of IN&apos;s sound (any file the program reads) as the editor draws it:
per pixel column and channel the lowest and the highest sample. OUT ending in .json gets
the JSON layout browser waveform players read (version 2, channels, sample_rate,
samples_per_pixel, bits 16, length, data as min/max pairs, channels interleaved); OUT
ending in .png gets a picture H pixels high (default 120). N frames make one column
(default 256), or the stretch is spread over W columns. --from and --to (milliseconds)
limit the stretch. OUT is replaced only when it was written whole.</source>
        <translation>Aufruf: tunecarver-cli waveform IN OUT [--samples-per-pixel N | --width W]
                                [--from MS --to MS] [--height H]

Schreibt den Umriss des Klangs von IN (jede Datei, die das Programm liest), wie der Editor
ihn zeichnet: je Pixelspalte und Kanal das tiefste und das höchste Sample. OUT auf .json
bekommt das JSON-Format, das Waveform-Player im Browser lesen (version 2, channels,
sample_rate, samples_per_pixel, bits 16, length, data als min/max-Paare, Kanäle
verschränkt); OUT auf .png bekommt ein Bild von H Pixeln Höhe (Vorgabe 120). N Frames
ergeben eine Spalte (Vorgabe 256), oder der Abschnitt wird auf W Spalten verteilt. --from
und --to (Millisekunden) begrenzen den Abschnitt. OUT wird nur ersetzt, wenn es ganz
geschrieben wurde.</translation>
    </message>
    <message>
        <source>OUT must end in .json or .png</source>
        <translation>OUT muss auf .json oder .png enden</translation>
    </message>
    <message>
        <source>give --samples-per-pixel or --width, not both</source>
        <translation>--samples-per-pixel oder --width angeben, nicht beides</translation>
    </message>
    <message>
        <source>the options take whole positive numbers</source>
        <translation>die Optionen nehmen ganze positive Zahlen</translation>
    </message>
    <message>
        <source>--width and --height take 1 to %1</source>
        <translation>--width und --height nehmen 1 bis %1</translation>
    </message>
    <message>
        <source>--from and --to must be within the sound (%1 ms)</source>
        <translation>--from und --to müssen im Klang liegen (%1 ms)</translation>
    </message>
    <message>
        <source>--from must come before --to, within the sound</source>
        <translation>--from muss vor --to liegen, innerhalb des Klangs</translation>
    </message>
    <message>
        <source>%1: the picture cannot be made</source>
        <translation>%1: das Bild lässt sich nicht erstellen</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli analyse IN [--json] [--length S]

Finds the music of IN (any file the program reads) as the editor&apos;s &quot;Suggest&quot; does: its
tempo, every beat, the bars, the sections (A, B, C... a label that comes again is the same
music; the one heard most is taken for the chorus), and the three windows of at most S
seconds (5 to 60; default 29.9) worth hearing first as a ringtone, each the most whole bars
that fit, no two sharing more than 2 s, with the reason for it. A sound without a steady
beat gets no grid and its loudest stretches, saying why.

--json prints one object, times in seconds: {&quot;tempo_bpm&quot;: 123.0, &quot;tempo_segments&quot;:
[{&quot;start&quot;: s, &quot;end&quot;: s, &quot;bpm&quot;: 123.0}, ..] (one for each stretch of one tempo; tempo_bpm is
the longest one&apos;s), &quot;beats&quot;: [..], &quot;bars&quot;: [..],
&quot;sections&quot;: [{&quot;start&quot;: s, &quot;end&quot;: s, &quot;label&quot;: &quot;A&quot;}, ..],
&quot;suggestions&quot;: [{&quot;start&quot;: s, &quot;end&quot;: s, &quot;reason&quot;: &quot;..&quot;}, ..]}.</source>
        <translation>Aufruf: tunecarver-cli analyse IN [--json] [--length S]

Findet die Musik von IN (jede Datei, die das Programm liest), wie es „Vorschlagen“ im Editor
tut: das Tempo, jeden Schlag, die Takte, die Abschnitte (A, B, C … ein Buchstabe, der
wiederkommt, ist dieselbe Musik; der am häufigsten gehörte gilt als Refrain) und die drei
Fenster von höchstens S Sekunden (5 bis 60; Vorgabe 29.9), die als Klingelton zuerst
hörenswert sind, jedes aus so vielen ganzen Takten, wie hineinpassen, keine zwei mit mehr
als 2 s gemeinsam, mit seinem Grund. Ein Klang ohne festen Schlag bekommt kein Raster und
seine lautesten Stellen, mit dem Grund dafür.

--json gibt ein Objekt aus, Zeiten in Sekunden: {&quot;tempo_bpm&quot;: 123.0, &quot;tempo_segments&quot;:
[{&quot;start&quot;: s, &quot;end&quot;: s, &quot;bpm&quot;: 123.0}, ..] (eines je Stück mit einem Tempo; tempo_bpm ist
das des längsten), &quot;beats&quot;: [..], &quot;bars&quot;: [..],
&quot;sections&quot;: [{&quot;start&quot;: s, &quot;end&quot;: s, &quot;label&quot;: &quot;A&quot;}, ..],
&quot;suggestions&quot;: [{&quot;start&quot;: s, &quot;end&quot;: s, &quot;reason&quot;: &quot;..&quot;}, ..]}.</translation>
    </message>
    <message>
        <source>--length takes seconds from 5 to 60</source>
        <translation>--length nimmt Sekunden von 5 bis 60</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli ringtone IN OUT [--target T] [--title T] [--loop] [--trim]
                                    [--no-fade] [--bitrate K] [--lufs L | --no-loudness]
                                    [--auto [--length S]]

Makes a ringtone of IN as &quot;Save as Ringtone&quot; on the Audio Edit page does, for the
phone --target names (without it, OUT&apos;s extension names it: .m4r the share sheet):
  iphone         iPhone, share sheet: AAC-LC, 44100 Hz stereo, 128 kbit/s, in an
                 MP4 file (.m4r). The share sheet takes sounds under 30 s: the tone
                 is cut to its first 29.9 s, faded out, without a question.
  iphone-finder  iPhone, Finder: the same file, for copying with a computer. A tone
                 past 30 s gets a warning that names its length; one past 40 s is
                 refused, unless --trim saves its first 40 s (faded out) instead.
  android-ogg    Android: Vorbis at about 128 kbit/s (.ogg).
  android-mp3    Android: MP3 at K kbit/s (56, 96, 128 or 256; default 128) (.mp3).
OUT&apos;s extension must be the target&apos;s. The tone holds exactly the samples cut.
The tone is brought to a loudness of -14 LUFS (--lufs L: to L; --no-loudness: left as
it is), measured by EBU R128 with its true peak kept under -1 dBTP. The last 0.5 s fade
out (--no-fade: not, unless the tone is cut). The title tag is T (default: IN&apos;s file
name without its extension); no picture is added.
--loop makes a seamless loop tone: no fade-out, and its last 30 ms crossfade into its
head so that the phone&apos;s repeat has no jump; a .ogg says so to Android (ANDROID_LOOP).
IN is any file the program reads; OUT is replaced only when everything worked.

--auto makes the tone of the first window that &apos;tunecarver-cli analyse&apos; suggests (the
chorus, cut on its bar lines), the most whole bars within S seconds (5 to 60; default 29.9),
and says on stderr which window it took and why.</source>
        <translation>Aufruf: tunecarver-cli ringtone IN OUT [--target T] [--title T] [--loop] [--trim]
                                    [--no-fade] [--bitrate K] [--lufs L | --no-loudness]
                                    [--auto [--length S]]

Macht aus IN einen Klingelton, wie es „Als Klingelton speichern“ auf der Seite
„Audio bearbeiten“ tut, für das Telefon, das --target nennt (ohne die Option nennt es
die Endung von OUT: .m4r das Teilen-Menü):
  iphone         iPhone, Teilen-Menü: AAC-LC, 44100 Hz Stereo, 128 kbit/s, in einer
                 MP4-Datei (.m4r). Das Teilen-Menü nimmt Klänge unter 30 s: der Ton
                 wird ohne Nachfrage auf seine ersten 29,9 s gekürzt und ausgeblendet.
  iphone-finder  iPhone, Finder: dieselbe Datei, zum Kopieren mit einem Computer. Ein
                 Ton über 30 s bekommt eine Warnung mit seiner Länge; einer über 40 s
                 wird abgelehnt, außer --trim speichert stattdessen seine ersten 40 s
                 (ausgeblendet).
  android-ogg    Android: Vorbis mit etwa 128 kbit/s (.ogg).
  android-mp3    Android: MP3 mit K kbit/s (56, 96, 128 oder 256; Vorgabe 128) (.mp3).
Die Endung von OUT muss die des Ziels sein. Der Ton enthält genau die geschnittenen
Samples. Er wird auf eine Lautheit von -14 LUFS gebracht (--lufs L: auf L; --no-loudness:
bleibt, wie er ist), gemessen nach EBU R128, sein True Peak unter -1 dBTP gehalten. Die
letzten 0,5 s werden ausgeblendet (--no-fade: nicht, außer der Ton wird gekürzt). Der
Titel ist T (Vorgabe: der Dateiname von IN ohne Endung); es wird kein Bild hinzugefügt.
--loop macht einen nahtlosen Schleifenton: kein Ausblenden, und seine letzten 30 ms gehen
in seinen Anfang über, sodass die Wiederholung des Telefons keinen Sprung hat; ein .ogg
sagt das Android (ANDROID_LOOP).
IN ist jede Datei, die das Programm liest; OUT wird nur ersetzt, wenn alles gelang.

--auto macht den Ton aus dem ersten Fenster, das &apos;tunecarver-cli analyse&apos; vorschlägt (der
Refrain, auf seinen Taktstrichen geschnitten), so viele ganze Takte, wie in S Sekunden
passen (5 bis 60; Vorgabe 29.9), und sagt auf stderr, welches Fenster es nahm und warum.</translation>
    </message>
    <message>
        <source>--length goes with --auto and takes seconds from 5 to 60</source>
        <translation>--length gehört zu --auto und nimmt Sekunden von 5 bis 60</translation>
    </message>
</context>
</TS>
