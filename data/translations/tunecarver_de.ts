<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AudioError</name>
    <message>
        <source>%1

error code: %2</source>
        <translation>%1

Fehlercode: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>CleanUp</name>
    <message>
        <source>%1: cannot be read.</source>
        <translation>%1: kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; gave back less sound than it was given.</source>
        <translation>Der Tonfilter „%1“ hat weniger Klang zurückgegeben, als er bekommen hat.</translation>
    </message>
    <message>
        <source>The loudness cannot be measured.</source>
        <translation>Die Lautheit lässt sich nicht messen.</translation>
    </message>
    <message>
        <source>The limiter gave back less sound than it was given.</source>
        <translation>Der Limiter hat weniger Klang zurückgegeben, als er bekommen hat.</translation>
    </message>
    <message>
        <source>Brought from %1 to %2 LUFS, the loudest peaks held down to keep the true peak under %3 dBTP.</source>
        <translation>Von %1 auf %2 LUFS gebracht; die lautesten Spitzen wurden gedämpft, um den True Peak unter %3 dBTP zu halten.</translation>
    </message>
    <message>
        <source>The clean-up was stopped.</source>
        <translation>Das Säubern wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The sound is too short to clean: it lasts less than half a second.</source>
        <translation>Der Klang ist zu kurz zum Säubern: er dauert weniger als eine halbe Sekunde.</translation>
    </message>
    <message>
        <source>The sound is nothing but silence: there is nothing to clean.</source>
        <translation>Der Klang ist nichts als Stille: es gibt nichts zu säubern.</translation>
    </message>
    <message>
        <source>The sound is nothing but noise: no voice stands out of it.</source>
        <translation>Der Klang ist nichts als Rauschen: keine Stimme hebt sich davon ab.</translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>Time Input Error</source>
        <translation>Fehler bei der Zeiteingabe</translation>
    </message>
    <message>
        <source>%1: the marks %2 ms to %3 ms lie outside the clip (0 to %4 ms).</source>
        <translation>%1: die Marken %2 ms bis %3 ms liegen außerhalb des Clips (0 bis %4 ms).</translation>
    </message>
    <message>
        <source>%1: no such clip file.</source>
        <translation>%1: diese Clipdatei gibt es nicht.</translation>
    </message>
    <message>
        <source>%1: not a file.</source>
        <translation>%1: keine Datei.</translation>
    </message>
    <message>
        <source>%1: cannot be copied to %2 (%3).</source>
        <translation>%1: kann nicht nach %2 kopiert werden (%3).</translation>
    </message>
    <message>
        <source>%1 was not cropped: %2</source>
        <translation>%1 wurde nicht zugeschnitten: %2</translation>
    </message>
    <message>
        <source>%1: the cropped sound cannot replace it (%2).</source>
        <translation>%1: der zugeschnittene Klang kann die Datei nicht ersetzen (%2).</translation>
    </message>
    <message>
        <source>Can&apos;t initialize device (error code: %1)</source>
        <translation>Gerät kann nicht initialisiert werden (Fehlercode: %1)</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… und %1 weitere.</translation>
    </message>
    <message>
        <source>These files were not added to the list:

</source>
        <translation>Diese Dateien wurden nicht zur Liste hinzugefügt:

</translation>
    </message>
    <message>
        <source>Can&apos;t initialize device</source>
        <translation>Gerät kann nicht initialisiert werden</translation>
    </message>
    <message>
        <source>Can&apos;t play the file</source>
        <translation>Datei kann nicht abgespielt werden</translation>
    </message>
    <message>
        <source>%1 was not added to the list.

%2</source>
        <translation>%1 wurde nicht zur Liste hinzugefügt.

%2</translation>
    </message>
    <message>
        <source>%1: %2 bytes, too short to hold a WAV header.</source>
        <translation>%1: %2 Bytes, zu kurz für einen WAV-Kopf.</translation>
    </message>
    <message>
        <source>%1: %2-bit %3 samples cannot be joined; clips hold 8- or 16-bit PCM.</source>
        <translation>%1: %2-Bit-%3-Samples lassen sich nicht zusammenfügen; Clips enthalten 8- oder 16-Bit-PCM.</translation>
    </message>
    <message>
        <source>PCM</source>
        <translation>PCM</translation>
    </message>
    <message>
        <source>float</source>
        <translation>Float</translation>
    </message>
    <message>
        <source>%1: the clip file ended early or cannot be read.</source>
        <translation>%1: die Clipdatei endet zu früh oder kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1: with this clip the joined sound passes the largest size a WAV file can hold (%2 bytes).</source>
        <translation>%1: mit diesem Clip überschreitet der zusammengefügte Klang die größte Größe, die eine WAV-Datei fassen kann (%2 Bytes).</translation>
    </message>
    <message>
        <source>There are no clips to join into %1.</source>
        <translation>Es gibt keine Clips, die zu %1 zusammengefügt werden können.</translation>
    </message>
    <message>
        <source>%1: with this clip the joined sound would pass the largest size a WAV file can hold (%2 bytes).</source>
        <translation>%1: mit diesem Clip würde der zusammengefügte Klang die größte Größe überschreiten, die eine WAV-Datei fassen kann (%2 Bytes).</translation>
    </message>
    <message>
        <source>no sound</source>
        <translation>kein Klang</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>%1 · %2 Hz · %3 · %4-bit</source>
        <translation>%1 · %2 Hz · %3 · %4 Bit</translation>
    </message>
    <message>
        <source>%1: the sound is shorter than its header says.</source>
        <translation>%1: der Klang ist kürzer, als sein Kopf angibt.</translation>
    </message>
    <message>
        <source>Move of %1</source>
        <translation>Verschieben von %1</translation>
    </message>
    <message>
        <source>Add of %1</source>
        <translation>Hinzufügen von %1</translation>
    </message>
    <message>
        <source>%1 cannot be deleted.</source>
        <translation>%1 kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Remove of %1</source>
        <translation>Entfernen von %1</translation>
    </message>
    <message>
        <source>%1: the sound as it is cannot be kept for undo.</source>
        <translation>%1: der Klang kann in seinem jetzigen Zustand nicht für das Rückgängigmachen aufbewahrt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be brought back: its kept version is not a plain file.</source>
        <translation>%1 kann nicht wiederhergestellt werden: seine aufbewahrte Fassung ist keine normale Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be brought back: %2.</source>
        <translation>%1 kann nicht wiederhergestellt werden: %2.</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2).</source>
        <translation>%1: kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>%1: the file holds no sound.</source>
        <translation>%1: die Datei enthält keinen Klang.</translation>
    </message>
    <message>
        <source>%1 samples were clipped at full scale.</source>
        <translation>%1 Samples wurden bei Vollaussteuerung begrenzt.</translation>
    </message>
    <message>
        <source>%1: the loudness cannot be measured.</source>
        <translation>%1: die Lautheit lässt sich nicht messen.</translation>
    </message>
    <message>
        <source>%1: the true peak cannot be measured.</source>
        <translation>%1: der True Peak lässt sich nicht messen.</translation>
    </message>
    <message>
        <source>%1: cannot be read.</source>
        <translation>%1: kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1: the sound ends before its header says.</source>
        <translation>%1: der Klang endet früher, als sein Kopf angibt.</translation>
    </message>
    <message>
        <source>The clip is silent: there is nothing to bring up.</source>
        <translation>Der Clip ist still: es gibt nichts anzuheben.</translation>
    </message>
    <message>
        <source>Peak brought to %1.</source>
        <translation>Spitzenwert auf %1 gebracht.</translation>
    </message>
    <message>
        <source>Too short to measure its loudness (under %1 s): peak brought to %2 instead.</source>
        <translation>Zu kurz, um die Lautheit zu messen (unter %1 s): stattdessen Spitzenwert auf %2 gebracht.</translation>
    </message>
    <message>
        <source>Brought from %1 to %2 LUFS.</source>
        <translation>Von %1 auf %2 LUFS gebracht.</translation>
    </message>
    <message>
        <source>Brought from %1 LUFS as far as the true peak allows (%2 dBTP): %3 LUFS.</source>
        <translation>Von %1 LUFS so weit gebracht, wie der True Peak erlaubt (%2 dBTP): %3 LUFS.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>%1 is one of the clips joined: it cannot be saved over.</source>
        <translation>%1 ist einer der zusammengefügten Clips: er kann nicht überschrieben werden.</translation>
    </message>
    <message>
        <source>There is no sound to read.</source>
        <translation>Es ist kein Klang zum Lesen da.</translation>
    </message>
    <message>
        <source>The clip %1 cannot be read: its file (%2) is missing, unreadable or not what it was when the clip went into the list. Remove the clip and add its song again.</source>
        <translation>Der Clip %1 kann nicht gelesen werden: Seine Datei (%2) fehlt, ist nicht lesbar oder nicht mehr die, die sie war, als der Clip in die Liste kam. Entfernen Sie den Clip und fügen Sie sein Lied erneut hinzu.</translation>
    </message>
    <message>
        <source>%1: the changed sound cannot replace it (%2).</source>
        <translation>%1: der geänderte Klang kann sie nicht ersetzen (%2).</translation>
    </message>
</context>
<context>
    <name>Codec</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s path, then what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>out of memory.</source>
        <translation>zu wenig Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>cannot be reached (%1).</source>
        <translation>nicht erreichbar (%1).</translation>
    </message>
    <message>
        <source>not a sound format that can be read.</source>
        <translation>kein lesbares Klangformat.</translation>
    </message>
    <message>
        <source>the stream cannot be read (%1).</source>
        <translation>der Datenstrom kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>the file holds no sound.</source>
        <translation>die Datei enthält keinen Klang.</translation>
    </message>
    <message>
        <source>no decoder for its sound.</source>
        <translation>kein Decoder für ihren Klang.</translation>
    </message>
    <message>
        <source>implausible sound parameters (%1 channels, %2 Hz).</source>
        <translation>unplausible Klangparameter (%1 Kanäle, %2 Hz).</translation>
    </message>
    <message>
        <source>the %1 decoder refuses it (%2).</source>
        <translation>der Decoder %1 lehnt sie ab (%2).</translation>
    </message>
    <message>
        <source>its sound cannot be decoded (%1).</source>
        <translation>ihr Klang kann nicht dekodiert werden (%1).</translation>
    </message>
    <message>
        <source>cannot go to %1 s (%2).</source>
        <translation>kann nicht zu %1 s springen (%2).</translation>
    </message>
    <message>
        <source>cannot go back in a stream that cannot seek.</source>
        <translation>in einem nicht spulbaren Datenstrom ist kein Zurückspringen möglich.</translation>
    </message>
    <message>
        <source>its samples cannot be converted (%1).</source>
        <translation>ihre Samples können nicht umgewandelt werden (%1).</translation>
    </message>
    <message>
        <source>decoding failed midway (%1).</source>
        <translation>das Dekodieren ist mittendrin fehlgeschlagen (%1).</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>%1: not a file.</source>
        <translation>%1: keine Datei.</translation>
    </message>
    <message>
        <source>%1: the file is empty.</source>
        <translation>%1: die Datei ist leer.</translation>
    </message>
    <message>
        <source>%1: a read of %2 bytes holds no whole frame.</source>
        <translation>%1: ein Lesevorgang von %2 Bytes enthält keinen ganzen Frame.</translation>
    </message>
    <message>
        <source>%1: this FFmpeg has no %2 encoder.</source>
        <translation>%1: dieses FFmpeg hat keinen %2-Encoder.</translation>
    </message>
    <message>
        <source>%1: the %2 encoder refuses %3 Hz mono at %4 kbit/s (%5).</source>
        <translation>%1: der Encoder %2 lehnt %3 Hz Mono mit %4 kbit/s ab (%5).</translation>
    </message>
    <message>
        <source>%1: the %2 encoder refuses %3 Hz stereo at %4 kbit/s (%5).</source>
        <translation>%1: der Encoder %2 lehnt %3 Hz Stereo mit %4 kbit/s ab (%5).</translation>
    </message>
    <message>
        <source>%1: the %2 encoder failed (%3).</source>
        <translation>%1: der Encoder %2 ist fehlgeschlagen (%3).</translation>
    </message>
    <message>
        <source>An FFT of %1 samples.</source>
        <translation>Ungültige FFT-Größe: %1 Samples.</translation>
    </message>
    <message>
        <source>No FFT of %1 samples.</source>
        <translation>Keine FFT über %1 Samples möglich.</translation>
    </message>
    <message>
        <source>%1: the MP3 encoder refuses %2 Hz, %3 channels, %4 kbit/s.</source>
        <translation>%1: der MP3-Encoder lehnt %2 Hz, %3 Kanäle, %4 kbit/s ab.</translation>
    </message>
    <message>
        <source>the MP3 encoder failed (code %1).</source>
        <translation>der MP3-Encoder ist fehlgeschlagen (Code %1).</translation>
    </message>
    <message>
        <source>the MP3 encoder&apos;s tag does not fit.</source>
        <translation>das Tag des MP3-Encoders passt nicht.</translation>
    </message>
    <message>
        <source>The loudness meter cannot start.</source>
        <translation>Der Lautheitsmesser kann nicht starten.</translation>
    </message>
    <message>
        <source>%1 Hz, %2 channels, %3 bits</source>
        <translation>%1 Hz, %2 Kanäle, %3 Bit</translation>
    </message>
    <message>
        <source>Samples of %1 cannot be converted to %2 (%3).</source>
        <translation>Samples von %1 können nicht in %2 umgewandelt werden (%3).</translation>
    </message>
    <message>
        <source>Samples of %1 cannot be converted to %2: only 8- and 16-bit sound with 1 to %3 channels is handled.</source>
        <translation>Samples von %1 können nicht in %2 umgewandelt werden: nur Klang mit 8 oder 16 Bit und 1 bis %3 Kanälen wird verarbeitet.</translation>
    </message>
    <message>
        <source>The conversion has already ended.</source>
        <translation>Die Umwandlung ist bereits beendet.</translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; cannot be set up (%2).</source>
        <translation>Der Tonfilter „%1“ lässt sich nicht einrichten (%2).</translation>
    </message>
    <message>
        <source>Out of memory!</source>
        <translation>Zu wenig Arbeitsspeicher!</translation>
    </message>
    <message>
        <source>The sound filter takes float samples.</source>
        <translation>Der Tonfilter nimmt Float-Samples.</translation>
    </message>
    <message>
        <source>The sound filter takes 16-bit samples.</source>
        <translation>Der Tonfilter nimmt 16-Bit-Samples.</translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; failed after the end of the sound (%2).</source>
        <translation>Der Tonfilter „%1“ ist nach dem Ende des Klangs fehlgeschlagen (%2).</translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; failed on the sound (%2).</source>
        <translation>Der Tonfilter „%1“ ist am Klang fehlgeschlagen (%2).</translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; failed at the end of the sound (%2).</source>
        <translation>Der Tonfilter „%1“ ist am Ende des Klangs fehlgeschlagen (%2).</translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; does not take &quot;%2 %3&quot; (%4).</source>
        <translation>Der Tonfilter „%1“ nimmt „%2 %3“ nicht an (%4).</translation>
    </message>
    <message>
        <source>%1: the %2 encoder takes 16-bit sound of one or two channels, not %3-bit with %4.</source>
        <translation>%1: der Encoder %2 nimmt 16-Bit-Klang mit einem oder zwei Kanälen, nicht %3 Bit mit %4.</translation>
    </message>
    <message>
        <source>encoding was stopped.</source>
        <translation>das Kodieren wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1: no sound file is open for decoding.</source>
        <translation>%1: keine Klangdatei zum Dekodieren geöffnet.</translation>
    </message>
    <message>
        <source>%1: decoding was cancelled.</source>
        <translation>%1: das Dekodieren wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1: the sound is too long for a WAV file.</source>
        <translation>%1: der Klang ist zu lang für eine WAV-Datei.</translation>
    </message>
    <message>
        <source>%1: its length cannot be counted.</source>
        <translation>%1: seine Länge lässt sich nicht zählen.</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Rec Device</source>
        <translation>Aufnahmegerät</translation>
    </message>
    <message>
        <source>The input to record from</source>
        <translation>Der Eingang, von dem aufgenommen wird</translation>
    </message>
    <message>
        <source>Input Volume</source>
        <translation>Eingangspegel</translation>
    </message>
    <message>
        <source>The recording level of the input</source>
        <translation>Der Aufnahmepegel des Eingangs</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Säubern</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The folder to become the base folder</source>
        <translation>Der Ordner, der zum Basisordner werden soll</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>The volume whose folders are listed</source>
        <translation>Das Laufwerk, dessen Ordner aufgelistet werden</translation>
    </message>
    <message>
        <source>Mark In</source>
        <translation>Startmarke</translation>
    </message>
    <message>
        <source>Mark Out</source>
        <translation>Endmarke</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Vorschlagen</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>Wellenform</translation>
    </message>
    <message>
        <source>The open clip with its marks and playhead; click to move the playhead</source>
        <translation>Der geöffnete Clip mit seinen Marken und dem Abspielkopf; Klicken setzt den Abspielkopf</translation>
    </message>
    <message>
        <source>Playhead</source>
        <translation>Abspielkopf</translation>
    </message>
    <message>
        <source>Where the clip plays from, in seconds</source>
        <translation>Wo der Clip abgespielt wird, in Sekunden</translation>
    </message>
    <message>
        <source>Mark-in time</source>
        <translation>Startmarken-Zeit</translation>
    </message>
    <message>
        <source>Where the kept stretch starts, m:ss.mmm</source>
        <translation>Wo der behaltene Abschnitt beginnt, m:ss.mmm</translation>
    </message>
    <message>
        <source>Kept length</source>
        <translation>Behaltene Länge</translation>
    </message>
    <message>
        <source>The length of the kept stretch, m:ss.mmm</source>
        <translation>Die Länge des behaltenen Abschnitts, m:ss.mmm</translation>
    </message>
    <message>
        <source>Mark-out time</source>
        <translation>Endmarken-Zeit</translation>
    </message>
    <message>
        <source>Where the kept stretch ends, m:ss.mmm</source>
        <translation>Wo der behaltene Abschnitt endet, m:ss.mmm</translation>
    </message>
    <message>
        <source>Fade length</source>
        <translation>Blendlänge</translation>
    </message>
    <message>
        <source>The length of a fade in or out, in seconds</source>
        <translation>Die Länge einer Ein- oder Ausblendung, in Sekunden</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Verstärkung</translation>
    </message>
    <message>
        <source>The gain to apply, in decibels</source>
        <translation>Die anzuwendende Verstärkung, in Dezibel</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Lautheit</translation>
    </message>
    <message>
        <source>The loudness Normalise brings clips to</source>
        <translation>Die Lautheit, auf die „Normalisieren“ die Clips bringt</translation>
    </message>
    <message>
        <source>Save The List to Wav</source>
        <translation>Liste als Wav speichern</translation>
    </message>
    <message>
        <source>Save The List to MP3</source>
        <translation>Liste als MP3 speichern</translation>
    </message>
    <message>
        <source>Save as Ringtone</source>
        <translation>Als Klingelton speichern</translation>
    </message>
    <message>
        <source>Clip list</source>
        <translation>Clipliste</translation>
    </message>
    <message>
        <source>The clips to play, edit and save; click to select, double click or Return to edit</source>
        <translation>Die Clips zum Abspielen, Bearbeiten und Speichern; Klicken wählt aus, Doppelklick oder Return bearbeitet</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Encoder-Status</translation>
    </message>
    <message>
        <source>The status code of the last MP3 encoding</source>
        <translation>Statuscode der letzten MP3-Kodierung</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Trim the silence at both ends</source>
        <translation>Stille an beiden Enden kürzen</translation>
    </message>
    <message>
        <source>Reduce the steady noise</source>
        <translation>Gleichmäßiges Rauschen mindern</translation>
    </message>
    <message>
        <source>Remove clicks and rumble</source>
        <translation>Klicks und Rumpeln entfernen</translation>
    </message>
    <message>
        <source>Bring the voice to -16 LUFS</source>
        <translation>Stimme auf -16 LUFS bringen</translation>
    </message>
    <message>
        <source>Wav -&gt; Mp3</source>
        <translation>Wav -&gt; Mp3</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>In MP3 konvertieren</translation>
    </message>
    <message>
        <source>MP3 -&gt; Wav</source>
        <translation>MP3 -&gt; Wav</translation>
    </message>
    <message>
        <source>Convert to Wav</source>
        <translation>In Wav konvertieren</translation>
    </message>
    <message>
        <source>Wav file to convert</source>
        <translation>Zu konvertierende Wav-Datei</translation>
    </message>
    <message>
        <source>The Wav file to convert to MP3</source>
        <translation>Die Wav-Datei, die in MP3 konvertiert wird</translation>
    </message>
    <message>
        <source>Choose Wav file</source>
        <translation>Wav-Datei wählen</translation>
    </message>
    <message>
        <source>Choose the Wav file to convert</source>
        <translation>Die zu konvertierende Wav-Datei wählen</translation>
    </message>
    <message>
        <source>MP3 file to write</source>
        <translation>Zu schreibende MP3-Datei</translation>
    </message>
    <message>
        <source>Where the MP3 file is written</source>
        <translation>Wohin die MP3-Datei geschrieben wird</translation>
    </message>
    <message>
        <source>Choose MP3 file</source>
        <translation>MP3-Datei wählen</translation>
    </message>
    <message>
        <source>Choose where the MP3 file is written</source>
        <translation>Wählen, wohin die MP3-Datei geschrieben wird</translation>
    </message>
    <message>
        <source>MP3 file to convert</source>
        <translation>Zu konvertierende MP3-Datei</translation>
    </message>
    <message>
        <source>The MP3 file to convert to Wav</source>
        <translation>Die MP3-Datei, die in Wav konvertiert wird</translation>
    </message>
    <message>
        <source>Choose the MP3 file to convert</source>
        <translation>Die zu konvertierende MP3-Datei wählen</translation>
    </message>
    <message>
        <source>Wav file to write</source>
        <translation>Zu schreibende Wav-Datei</translation>
    </message>
    <message>
        <source>Where the Wav file is written</source>
        <translation>Wohin die Wav-Datei geschrieben wird</translation>
    </message>
    <message>
        <source>Choose where the Wav file is written</source>
        <translation>Wählen, wohin die Wav-Datei geschrieben wird</translation>
    </message>
    <message>
        <source>The status code of the last conversion</source>
        <translation>Statuscode der letzten Konvertierung</translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>Edit Song</source>
        <translation>Song bearbeiten</translation>
    </message>
    <message>
        <source>Smooth cuts</source>
        <translation>Weiche Schnitte</translation>
    </message>
    <message>
        <source>Trim, denoise and level a voice (C)</source>
        <translation>Stimme kürzen, entrauschen und auf Lautheit bringen (C)</translation>
    </message>
    <message>
        <source>Suggestions last</source>
        <translation>Vorschläge dauern</translation>
    </message>
    <message>
        <source>Seconds, from %1 to %2:</source>
        <translation>Sekunden, von %1 bis %2:</translation>
    </message>
    <message>
        <source>A suggestion lasts from %1 to %2 seconds.</source>
        <translation>Ein Vorschlag dauert %1 bis %2 Sekunden.</translation>
    </message>
    <message>
        <source>Put the marks on the best part of the song (S)</source>
        <translation>Die Marken auf den besten Teil des Songs setzen (S)</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Einrasten</translation>
    </message>
    <message>
        <source>Where the marks land, the tempo and the suggestions&apos; length</source>
        <translation>Wo die Marken landen, das Tempo und die Länge der Vorschläge</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation>%1 von %2: %3</translation>
    </message>
    <message>
        <source>Double click a clip to edit it</source>
        <translation>Clip doppelklicken, um ihn zu bearbeiten</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Play Selection</source>
        <translation>Auswahl abspielen</translation>
    </message>
    <message>
        <source>Mark-in (h:mm:ss)</source>
        <translation>Startmarke (h:mm:ss)</translation>
    </message>
    <message>
        <source>Playhead (h:mm:ss); the clip&apos;s length until it plays</source>
        <translation>Abspielposition (h:mm:ss); bis zur Wiedergabe die Länge des Clips</translation>
    </message>
    <message>
        <source>Mark-out (h:mm:ss)</source>
        <translation>Endmarke (h:mm:ss)</translation>
    </message>
    <message>
        <source>Mark-in (m:ss.mmm): type a time to set it</source>
        <translation>Startmarke (m:ss.mmm): eine Zeit eingeben, um sie zu setzen</translation>
    </message>
    <message>
        <source>Kept length, mark-in to mark-out (m:ss.mmm): type one to move mark-out</source>
        <translation>Behaltene Länge, Startmarke bis Endmarke (m:ss.mmm): eine Länge eingeben, um die Endmarke zu verschieben</translation>
    </message>
    <message>
        <source>Mark-out (m:ss.mmm): type a time to set it</source>
        <translation>Endmarke (m:ss.mmm): eine Zeit eingeben, um sie zu setzen</translation>
    </message>
    <message>
        <source>%1 cannot be opened for editing.

%2</source>
        <translation>%1 lässt sich nicht zum Bearbeiten öffnen.

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type m:ss.mmm, for example 0:12.500.</source>
        <translation>„%1“ ist keine Zeit: m:ss.mmm eingeben, zum Beispiel 0:12.500.</translation>
    </message>
    <message>
        <source>The clip is only %1 long.</source>
        <translation>Der Clip ist nur %1 lang.</translation>
    </message>
    <message>
        <source>No waveform: %1</source>
        <translation>Keine Wellenform: %1</translation>
    </message>
    <message>
        <source>Crop of %1</source>
        <translation>Zuschneiden von %1</translation>
    </message>
    <message>
        <source>Nothing of the clip lies between the marks.</source>
        <translation>Zwischen den Marken liegt nichts vom Clip.</translation>
    </message>
    <message>
        <source>%1 was not cropped; it is as it was.

%2</source>
        <translation>%1 wurde nicht zugeschnitten; er ist unverändert.

%2</translation>
    </message>
</context>
<context>
    <name>EffectsRow</name>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Fade In</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>Fade Out</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Normalise</source>
        <translation>Normalisieren</translation>
    </message>
    <message>
        <source>The length of a fade, in seconds</source>
        <translation>Die Länge einer Blende in Sekunden</translation>
    </message>
    <message>
        <source>The gain, in decibels</source>
        <translation>Die Verstärkung in Dezibel</translation>
    </message>
    <message>
        <source>The loudness Normalise brings clips to</source>
        <translation>Die Lautheit, auf die „Normalisieren“ die Clips bringt</translation>
    </message>
    <message>
        <source>Normalise every clip of the list</source>
        <translation>Jeden Clip der Liste normalisieren</translation>
    </message>
    <message>
        <source>Type the length of the fade in seconds, for example 1.0.</source>
        <translation>Die Länge der Blende in Sekunden eingeben, zum Beispiel 1.0.</translation>
    </message>
    <message>
        <source>Type the gain in decibels, from -60 to +60, for example +3.</source>
        <translation>Die Verstärkung in Dezibel eingeben, von -60 bis +60, zum Beispiel +3.</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Clean up</source>
        <translation>Säubern</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>the sound as it is cannot be kept for undo.</source>
        <translation>der jetzige Klang lässt sich nicht zum Rückgängigmachen aufbewahren.</translation>
    </message>
    <message>
        <source>Normalise all</source>
        <translation>Alle normalisieren</translation>
    </message>
    <message>
        <source>%1 was not changed: %2</source>
        <translation>%1 wurde nicht geändert: %2</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
</context>
<context>
    <name>EncoderJobs</name>
    <message>
        <source>Finish Save
%1</source>
        <translation>Speichern abgeschlossen
%1</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1: cannot be read (%2).</source>
        <translation>%1: lässt sich nicht lesen (%2).</translation>
    </message>
    <message>
        <source>%1: the copy was stopped.</source>
        <translation>%1: das Kopieren wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1: a link, not a file; it is not followed.</source>
        <translation>%1: ein Link, keine Datei; ihm wird nicht gefolgt.</translation>
    </message>
    <message>
        <source>%1: not a plain file (a folder, a pipe or a device).</source>
        <translation>%1: keine gewöhnliche Datei (ein Ordner, eine Pipe oder ein Gerät).</translation>
    </message>
    <message>
        <source>%1: not a plain file; left alone.</source>
        <translation>%1: keine gewöhnliche Datei; bleibt unberührt.</translation>
    </message>
    <message>
        <source>%1 could not be written: its folder cannot be made.</source>
        <translation>%1 konnte nicht geschrieben werden: sein Ordner lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2).</source>
        <translation>%1: lässt sich nicht schreiben (%2).</translation>
    </message>
</context>
<context>
    <name>FrameAbout</name>
    <message>
        <source>KorvaNel Tunecarver can Crop and Convert You Favorite MP3, Wav File, Also can Record Your Own Sound Form Your computer Soundcard, You can cut or trim different parts of different songs form different format and merge it into one song, it let mobile phone create your own style ring tone</source>
        <translation>KorvaNel Tunecarver kann Lieblings-MP3- und -Wav-Dateien zuschneiden und konvertieren und auch eigene Klänge über die Soundkarte des Computers aufnehmen. Teile verschiedener Songs in verschiedenen Formaten lassen sich schneiden oder kürzen und zu einem Song zusammenfügen – so entsteht ein Klingelton im eigenen Stil für das Mobiltelefon.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Support :<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>Support:<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>FrameConvert</name>
    <message>
        <source>Wav File(*.wav)|*.wav</source>
        <translation>Wav-Datei(*.wav)|*.wav</translation>
    </message>
    <message>
        <source>MP3 File(*.mp3)|*.mp3</source>
        <translation>MP3-Datei(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>Can&apos;t convert %1: the file does not exist.</source>
        <translation>%1 lässt sich nicht konvertieren: die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Can&apos;t convert %1: it is not a file.</source>
        <translation>%1 lässt sich nicht konvertieren: es ist keine Datei.</translation>
    </message>
    <message>
        <source>Can&apos;t convert %1 into %2: the target is the source file itself.</source>
        <translation>%1 lässt sich nicht in %2 konvertieren: das Ziel ist die Quelldatei selbst.</translation>
    </message>
    <message>
        <source>Can&apos;t convert %1 (error code %2).</source>
        <translation>%1 lässt sich nicht konvertieren (Fehlercode %2).</translation>
    </message>
    <message>
        <source>Wav &lt;-&gt; Mp3</source>
        <translation>Wav &lt;-&gt; Mp3</translation>
    </message>
    <message>
        <source>Converting.......</source>
        <translation>Konvertieren.......</translation>
    </message>
    <message>
        <source>Convert Finish
%1</source>
        <translation>Konvertieren abgeschlossen
%1</translation>
    </message>
</context>
<context>
    <name>FrameRec</name>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>Vioce Record</source>
        <translation>Sprachaufnahme</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Wav</source>
        <translation>Wav</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>Rec Device</source>
        <translation>Aufnahmegerät</translation>
    </message>
    <message>
        <source>Input Volume</source>
        <translation>Eingangspegel</translation>
    </message>
    <message>
        <source>Size of File</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Add to List</source>
        <translation>Zur Liste</translation>
    </message>
    <message>
        <source>In five minutes the take reaches the largest size a WAV file can hold. Recording then stops, and everything recorded is kept.</source>
        <translation>In fünf Minuten erreicht die Aufnahme die Höchstgröße einer WAV-Datei. Dann endet die Aufnahme, und alles Aufgenommene bleibt erhalten.</translation>
    </message>
    <message>
        <source>Pre-roll</source>
        <translation>Vorlauf</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>The unit after the pre-roll&apos;s number of seconds.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Sound heard before Record that goes into the take</source>
        <translation>Vor „Aufnehmen“ gehörter Klang, der in die Aufnahme kommt</translation>
    </message>
    <message>
        <source>Start on sound</source>
        <translation>Bei Klang starten</translation>
    </message>
    <message>
        <source>Record waits for the first sound louder than the level beside</source>
        <translation>„Aufnehmen“ wartet auf den ersten Klang, der lauter ist als der Pegel daneben</translation>
    </message>
    <message>
        <source>The level that starts the take</source>
        <translation>Der Pegel, der die Aufnahme startet</translation>
    </message>
    <message>
        <source>Trim, denoise and level the take</source>
        <translation>Die Aufnahme kürzen, entrauschen und auf Lautheit bringen</translation>
    </message>
    <message>
        <source>Cleaning up.......</source>
        <translation>Säubern.......</translation>
    </message>
    <message>
        <source>Can&apos;t create the file</source>
        <translation>Die Datei lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>%1: the cleaned take can&apos;t be read.</source>
        <translation>%1: die gesäuberte Aufnahme lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>Can&apos;t initialize device</source>
        <translation>Das Gerät lässt sich nicht initialisieren</translation>
    </message>
    <message>
        <source>The take is now the clip &quot;%1&quot; at the end of the clip list of the &quot;Audio Edit&quot; page.</source>
        <translation>Die Aufnahme ist jetzt der Clip „%1“ am Ende der Clipliste der Seite „Audio bearbeiten“.</translation>
    </message>
    <message>
        <source>WAV files</source>
        <translation>WAV-Dateien</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>MP3 files</source>
        <translation>MP3-Dateien</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Saving.......</source>
        <translation>Speichern.......</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Waiting for sound…</source>
        <translation>Warten auf Klang…</translation>
    </message>
</context>
<context>
    <name>FrameSetting</name>
    <message>
        <source>Mp3 KBit/S</source>
        <translation>Mp3 KBit/s</translation>
    </message>
    <message>
        <source>Program Base Folder</source>
        <translation>Programm-Basisordner</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Save Setting</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Fixed window size</source>
        <translation>Feste Fenstergröße</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Used from the next start</source>
        <translation>Gilt ab dem nächsten Start</translation>
    </message>
    <message>
        <source>Create New Folder </source>
        <translation>Neuen Ordner anlegen </translation>
    </message>
    <message>
        <source>New Folder Name</source>
        <translation>Neuer Ordnername</translation>
    </message>
    <message>
        <source>No folder was created: no name was given.</source>
        <translation>Es wurde kein Ordner angelegt: kein Name angegeben.</translation>
    </message>
    <message>
        <source>No folder was created: &quot;%1&quot; is not a folder name.</source>
        <translation>Es wurde kein Ordner angelegt: „%1“ ist kein Ordnername.</translation>
    </message>
    <message>
        <source>No folder was created: %1 already exists.</source>
        <translation>Es wurde kein Ordner angelegt: %1 existiert bereits.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>FrameWav</name>
    <message>
        <source>Audio Edit</source>
        <translation>Audio bearbeiten</translation>
    </message>
    <message>
        <source>Playing stopped.

%1</source>
        <translation>Wiedergabe angehalten.

%1</translation>
    </message>
    <message>
        <source>Click to Select Play<byte value="xd"/>
Double Click to Select Edit</source>
        <translation>Klick: auswählen und abspielen<byte value="xd"/>
Doppelklick: auswählen und bearbeiten</translation>
    </message>
    <message>
        <source>Normalise all</source>
        <translation>Alle normalisieren</translation>
    </message>
</context>
<context>
    <name>FrmLoad</name>
    <message>
        <source>Loading..........</source>
        <translation>Laden..........</translation>
    </message>
</context>
<context>
    <name>Frmmain</name>
    <message>
        <source>Open Song</source>
        <translation>Song öffnen</translation>
    </message>
    <message>
        <source>Voice Record</source>
        <translation>Sprachaufnahme</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Restore the %1 clips and the take (%2:%3 recorded) of the last run?</source>
        <translation>Die %1 Clips und die Aufnahme (%2:%3 aufgenommen) der letzten Sitzung wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore the %1 clips of the last run?</source>
        <translation>Die %1 Clips der letzten Sitzung wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore the take (%1:%2 recorded) of the last run?</source>
        <translation>Die Aufnahme (%1:%2 aufgenommen) der letzten Sitzung wiederherstellen?</translation>
    </message>
    <message>
        <source>The clip files of the last run are left as they were in %1 until the program ends.</source>
        <translation>Die Clip-Dateien der letzten Sitzung bleiben bis zum Programmende unverändert in %1.</translation>
    </message>
    <message>
        <source>Take of the last run</source>
        <translation>Aufnahme der letzten Sitzung</translation>
    </message>
    <message>
        <source>The take of the last run cannot be restored.

%1</source>
        <translation>Die Aufnahme der letzten Sitzung lässt sich nicht wiederherstellen.

%1</translation>
    </message>
</context>
<context>
    <name>InputTypes</name>
    <message>
        <source>Digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>Line-in</source>
        <translation>Line-In</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Midi synth</source>
        <translation>MIDI-Synth</translation>
    </message>
    <message>
        <source>Analog CD</source>
        <translation>Analog-CD</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>PC Speaker</source>
        <translation>PC-Lautsprecher</translation>
    </message>
    <message>
        <source>Wave/PCM</source>
        <translation>Wave/PCM</translation>
    </message>
    <message>
        <source>Aux</source>
        <translation>Aux</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>UnSupport</source>
        <translation>Nicht unterstützt</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
</context>
<context>
    <name>LevelMeterView</name>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>-inf dB</source>
        <translation>-inf dB</translation>
    </message>
    <message>
        <source>CLIP</source>
        <extracomment>Shown on the level meter when the input was too loud.</extracomment>
        <translation>CLIP</translation>
    </message>
</context>
<context>
    <name>ListButtons</name>
    <message>
        <source>Add New</source>
        <translation>Neu hinzufügen</translation>
    </message>
    <message>
        <source>Remove Form List</source>
        <translation>Aus Liste entfernen</translation>
    </message>
    <message>
        <source>Move UP</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Insert before the selected clip</source>
        <translation>Vor dem ausgewählten Clip einfügen</translation>
    </message>
    <message>
        <source>Add to the clip list</source>
        <translation>Zur Clipliste hinzufügen</translation>
    </message>
    <message>
        <source>Files are still being added to the list. Try again when they are in.</source>
        <translation>Es werden noch Dateien zur Liste hinzugefügt. Bitte erneut versuchen, sobald alle in der Liste sind.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 ?</source>
        <translation>Soll %1 wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>%1 was not removed: %2 cannot be deleted.</source>
        <translation>%1 wurde nicht entfernt: %2 lässt sich nicht löschen.</translation>
    </message>
</context>
<context>
    <name>ListPlayer</name>
    <message>
        <source>List Control</source>
        <translation>Listensteuerung</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Liste spielen</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorheriger Clip</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster Clip</translation>
    </message>
    <message>
        <source>Please select the song to play</source>
        <translation>Bitte den abzuspielenden Song auswählen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>ListSaving</name>
    <message>
        <source>Wav(*.wav)|*.wav</source>
        <translation>Wav(*.wav)|*.wav</translation>
    </message>
    <message>
        <source>Saving.......</source>
        <translation>Speichern.......</translation>
    </message>
    <message>
        <source>%1 was not saved.

%2</source>
        <translation>%1 wurde nicht gespeichert.

%2</translation>
    </message>
    <message>
        <source>Finish Save
%1</source>
        <translation>Speichern beendet
%1</translation>
    </message>
    <message>
        <source>MP3(*.mp3)|*.mp3</source>
        <translation>MP3(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>%1 was not saved: the MP3 encoder did not take the job (error code %2).</source>
        <translation>%1 wurde nicht gespeichert: Der MP3-Encoder hat den Auftrag nicht angenommen (Fehlercode %2).</translation>
    </message>
    <message>
        <source>The list has no clips to save.</source>
        <translation>Die Liste enthält keine Clips zum Speichern.</translation>
    </message>
    <message>
        <source>The list was not saved.

%1</source>
        <translation>Die Liste wurde nicht gespeichert.

%1</translation>
    </message>
</context>
<context>
    <name>MediaPlayer</name>
    <message>
        <source>Unknown player command &quot;%1&quot;.</source>
        <translation>Unbekannter Player-Befehl „%1“.</translation>
    </message>
    <message>
        <source>No file name is set to open.</source>
        <translation>Es ist kein Dateiname zum Öffnen festgelegt.</translation>
    </message>
    <message>
        <source>%1: the file cannot be played.</source>
        <translation>%1: Die Datei lässt sich nicht abspielen.</translation>
    </message>
    <message>
        <source>No file is open to play.</source>
        <translation>Es ist keine Datei zum Abspielen geöffnet.</translation>
    </message>
    <message>
        <source>%1: playback failed. %2</source>
        <translation>%1: Die Wiedergabe ist fehlgeschlagen. %2</translation>
    </message>
    <message>
        <source>%1: playback did not stop. %2</source>
        <translation>%1: Die Wiedergabe hat nicht angehalten. %2</translation>
    </message>
    <message>
        <source>%1: the sound server stopped playing it (it may have gone away).</source>
        <translation>%1: Der Soundserver hat die Wiedergabe beendet (vielleicht ist er nicht mehr da).</translation>
    </message>
    <message>
        <source>No file is open to follow.</source>
        <translation>Es ist keine Datei geöffnet, an die sich eine weitere anschließen könnte.</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>Es ist keine Datei geöffnet.</translation>
    </message>
</context>
<context>
    <name>MusicAnalysis</name>
    <message>
        <source>too short to find a beat</source>
        <translation>zu kurz, um einen Schlag zu finden</translation>
    </message>
    <message>
        <source>no steady beat found</source>
        <translation>kein gleichmäßiger Schlag gefunden</translation>
    </message>
    <message>
        <source>The sound&apos;s format cannot be analysed.</source>
        <translation>Das Format des Klangs lässt sich nicht analysieren.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>the clip is silent</source>
        <translation>der Clip ist stumm</translation>
    </message>
    <message>
        <source>starts at bar %1</source>
        <translation>beginnt bei Takt %1</translation>
    </message>
    <message>
        <source>starts at %1 s</source>
        <translation>beginnt bei %1 s</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>the whole clip: it is no longer than %1 s</source>
        <translation>der ganze Clip: er ist nicht länger als %1 s</translation>
    </message>
    <message>
        <source>no beat found</source>
        <translation>kein Schlag gefunden</translation>
    </message>
    <message>
        <source>only the loudest stretch (%1), %2</source>
        <translation>nur der lauteste Abschnitt (%1), %2</translation>
    </message>
    <message>
        <source>chorus, heard %1 times, %2</source>
        <translation>Refrain, %1-mal gehört, %2</translation>
    </message>
    <message>
        <source>chorus again (%1 of %2), %3</source>
        <translation>Refrain noch einmal (%1 von %2), %3</translation>
    </message>
    <message>
        <source>part %1, heard %2 times, %3</source>
        <translation>Teil %1, %2-mal gehört, %3</translation>
    </message>
    <message>
        <source>no part repeats: the loudest stretch, %1</source>
        <translation>kein Teil wiederholt sich: der lauteste Abschnitt, %1</translation>
    </message>
    <message>
        <source>the loudest stretch, %1</source>
        <translation>der lauteste Abschnitt, %1</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Audio Edit</source>
        <translation>Audio bearbeiten</translation>
    </message>
    <message>
        <source>Vioce Record</source>
        <translation>Sprachaufnahme</translation>
    </message>
    <message>
        <source>Wav &lt;-&gt; Mp3</source>
        <translation>Wav &lt;-&gt; Mp3</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>PeakCache</name>
    <message>
        <source>%1: the sound cannot be read.</source>
        <translation>%1: Der Klang lässt sich nicht lesen.</translation>
    </message>
</context>
<context>
    <name>PhoneLink</name>
    <message>
        <source>KDE Connect (%1) is not installed.</source>
        <translation>KDE Connect (%1) ist nicht installiert.</translation>
    </message>
    <message>
        <source>KDE Connect (%1) cannot be started: %2</source>
        <translation>KDE Connect (%1) lässt sich nicht starten: %2</translation>
    </message>
    <message>
        <source>KDE Connect did not answer in time.</source>
        <translation>KDE Connect hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>KDE Connect failed (exit code %1).</source>
        <translation>KDE Connect ist fehlgeschlagen (Rückgabewert %1).</translation>
    </message>
    <message>
        <source>KDE Connect failed: %1</source>
        <translation>KDE Connect ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The phone</source>
        <translation>Das Telefon</translation>
    </message>
    <message>
        <source>%1 did not list its folders</source>
        <translation>%1 hat seine Ordner nicht aufgelistet</translation>
    </message>
    <message>
        <source>%1 refused to make the folder %2</source>
        <translation>%1 hat das Anlegen des Ordners %2 abgelehnt</translation>
    </message>
    <message>
        <source>%1 refused to delete a file</source>
        <translation>%1 hat das Löschen einer Datei abgelehnt</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>%1 refused %2</source>
        <translation>%1 hat %2 abgelehnt</translation>
    </message>
    <message>
        <source>The USB devices of this computer cannot be read.</source>
        <translation>Die USB-Geräte dieses Computers lassen sich nicht lesen.</translation>
    </message>
    <message>
        <source>USB device %1:%2</source>
        <translation>USB-Gerät %1:%2</translation>
    </message>
    <message>
        <source>The phone is not connected any more.</source>
        <translation>Das Telefon ist nicht mehr verbunden.</translation>
    </message>
    <message>
        <source>The phone cannot be opened: it was unplugged, or another program (a file manager) is using it.</source>
        <translation>Das Telefon lässt sich nicht öffnen: Es wurde abgesteckt, oder ein anderes Programm (ein Dateimanager) verwendet es.</translation>
    </message>
    <message>
        <source>No phone was found. Plug in an Android phone with its USB cable, unlock it and choose &quot;File transfer&quot; in its USB notification; or pair the phone with KDE Connect and keep it on the same network.</source>
        <translation>Es wurde kein Telefon gefunden. Ein Android-Telefon per USB-Kabel anschließen, entsperren und in seiner USB-Benachrichtigung „Dateiübertragung“ wählen; oder das Telefon mit KDE Connect koppeln und im selben Netzwerk lassen.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>%1 was sent to %2 with KDE Connect. On an iPhone, open it from the notification and choose &quot;Use as Ringtone&quot;; on an Android phone, choose it in the sound settings once it is downloaded.</source>
        <translation>%1 wurde mit KDE Connect an %2 gesendet. Auf einem iPhone die Datei aus der Benachrichtigung öffnen und „Als Klingelton verwenden“ wählen; auf einem Android-Telefon sie nach dem Herunterladen in den Toneinstellungen auswählen.</translation>
    </message>
    <message>
        <source>%1 is not connected any more.</source>
        <translation>%1 ist nicht mehr verbunden.</translation>
    </message>
    <message>
        <source>%1 is locked or does not share its files: unlock it, choose &quot;File transfer&quot; in its USB notification and try again.</source>
        <translation>%1 ist gesperrt oder gibt seine Dateien nicht frei: Telefon entsperren, in der USB-Benachrichtigung „Dateiübertragung“ wählen und erneut versuchen.</translation>
    </message>
    <message>
        <source>%1 has %2 in %3 already.</source>
        <translation>%1 hat %2 bereits in %3.</translation>
    </message>
    <message>
        <source>%1 is on %2, in %3 on its storage. Choose it in the phone&apos;s sound settings.</source>
        <translation>%1 liegt auf %2 im Speicher in %3. Die Datei in den Toneinstellungen des Telefons auswählen.</translation>
    </message>
    <message>
        <source>%1 is on %2, in %3 on %4. Choose it in the phone&apos;s sound settings.</source>
        <translation>%1 liegt auf %2 in %3 auf %4. Die Datei in den Toneinstellungen des Telefons auswählen.</translation>
    </message>
</context>
<context>
    <name>Pulse</name>
    <message>
        <source>Can&apos;t create the recording stream: %1</source>
        <translation>Der Aufnahmestrom lässt sich nicht erstellen: %1</translation>
    </message>
    <message>
        <source>Can&apos;t start recording: %1</source>
        <translation>Die Aufnahme lässt sich nicht starten: %1</translation>
    </message>
    <message>
        <source>Can&apos;t move the recording to %1: %2</source>
        <translation>Die Aufnahme lässt sich nicht auf %1 umschalten: %2</translation>
    </message>
    <message>
        <source>Can&apos;t create the sound server main loop</source>
        <translation>Die Hauptschleife des Soundservers lässt sich nicht erstellen</translation>
    </message>
    <message>
        <source>Can&apos;t start the sound server main loop</source>
        <translation>Die Hauptschleife des Soundservers lässt sich nicht starten</translation>
    </message>
    <message>
        <source>no answer from the server</source>
        <translation>keine Antwort vom Server</translation>
    </message>
    <message>
        <source>Can&apos;t connect to the sound server: %1</source>
        <translation>Keine Verbindung zum Soundserver möglich: %1</translation>
    </message>
    <message>
        <source>The next sound is playing already.</source>
        <translation>Der nächste Klang wird bereits abgespielt.</translation>
    </message>
    <message>
        <source>That sound cannot follow this one.</source>
        <translation>Dieser Klang kann nicht auf den aktuellen folgen.</translation>
    </message>
    <message>
        <source>Sounds of different formats cannot follow each other.</source>
        <translation>Klänge verschiedener Formate können nicht aufeinander folgen.</translation>
    </message>
    <message>
        <source>%1: %2 channels of %3-bit samples at %4 Hz can&apos;t be played.</source>
        <translation>%1: %2 Kanäle mit %3-Bit-Samples bei %4 Hz lassen sich nicht abspielen.</translation>
    </message>
    <message>
        <source>The sound in memory</source>
        <translation>Der Klang im Speicher</translation>
    </message>
    <message>
        <source>The sound in memory is empty.</source>
        <translation>Der Klang im Speicher ist leer.</translation>
    </message>
    <message>
        <source>The sound server did not resume playback: %1</source>
        <translation>Der Soundserver hat die Wiedergabe nicht fortgesetzt: %1</translation>
    </message>
    <message>
        <source>Can&apos;t create a playback stream: %1</source>
        <translation>Es lässt sich kein Wiedergabestrom erstellen: %1</translation>
    </message>
    <message>
        <source>Can&apos;t start playback: %1</source>
        <translation>Die Wiedergabe lässt sich nicht starten: %1</translation>
    </message>
    <message>
        <source>Position %1 is outside the sound (%2 bytes).</source>
        <translation>Position %1 liegt außerhalb des Klangs (%2 Byte).</translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Level %1 is outside 0 to 100.</source>
        <translation>Pegel %1 liegt nicht zwischen 0 und 100.</translation>
    </message>
    <message>
        <source>Can&apos;t set the level of %1: %2</source>
        <translation>Der Pegel von %1 lässt sich nicht einstellen: %2</translation>
    </message>
    <message>
        <source>The engine is not started for recording.</source>
        <translation>Die Audio-Engine ist nicht für die Aufnahme gestartet.</translation>
    </message>
    <message>
        <source>The sound server did not list its inputs: %1</source>
        <translation>Der Soundserver hat seine Eingänge nicht aufgelistet: %1</translation>
    </message>
    <message>
        <source>There is no input %1.</source>
        <translation>Es gibt keinen Eingang %1.</translation>
    </message>
    <message>
        <source>No stream or capture has the handle %1.</source>
        <translation>Kein Stream und keine Aufnahme hat das Handle %1.</translation>
    </message>
</context>
<context>
    <name>Ringtone</name>
    <message>
        <source>iPhone, share sheet (under 30 s)</source>
        <translation>iPhone, Teilen-Menü (unter 30 s)</translation>
    </message>
    <message>
        <source>iPhone, Finder (up to 40 s)</source>
        <translation>iPhone, Finder (bis 40 s)</translation>
    </message>
    <message>
        <source>Android (.ogg)</source>
        <translation>Android (.ogg)</translation>
    </message>
    <message>
        <source>Android (.mp3)</source>
        <translation>Android (.mp3)</translation>
    </message>
    <message>
        <source>iPhone ringtone</source>
        <translation>iPhone-Klingelton</translation>
    </message>
    <message>
        <source>Android ringtone</source>
        <translation>Android-Klingelton</translation>
    </message>
    <message>
        <source>encoding was stopped.</source>
        <translation>das Kodieren wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1: there is no sound to make a ringtone of.</source>
        <translation>%1: es gibt keinen Klang, aus dem sich ein Klingelton machen lässt.</translation>
    </message>
    <message>
        <source>%1: the tone is too long to be played %2 times.</source>
        <translation>%1: der Ton ist zu lang, um %2-mal abgespielt zu werden.</translation>
    </message>
</context>
<context>
    <name>RingtoneDialog</name>
    <message>
        <source>Play loop %1 times</source>
        <translation>Schleife %1-mal abspielen</translation>
    </message>
    <message>
        <source>Save the whole list, joined in order</source>
        <translation>Liste der Reihe nach zusammengefügt speichern</translation>
    </message>
    <message>
        <source>Bring to a loudness of %1 LUFS</source>
        <translation>Auf eine Lautheit von %1 LUFS bringen</translation>
    </message>
    <message>
        <source>Fade out over the last %1</source>
        <translation>Über die letzten %1 ausblenden</translation>
    </message>
    <message>
        <source>Seamless loop</source>
        <translation>Nahtlose Schleife</translation>
    </message>
    <message>
        <source>Save as Ringtone</source>
        <translation>Als Klingelton speichern</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>The name phones list the ringtone by</source>
        <translation>Der Name, unter dem Telefone den Klingelton auflisten</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>The end runs into the start, so the phone repeats the tone without a jump or a pause</source>
        <translation>Das Ende geht in den Anfang über, sodass das Telefon den Ton ohne Sprung oder Pause wiederholt</translation>
    </message>
    <message>
        <source>The loop cannot be played (error code %1).</source>
        <translation>Die Schleife kann nicht abgespielt werden (Fehlercode %1).</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>RingtoneSaving</name>
    <message>
        <source>The list has no clips to save.</source>
        <translation>Die Liste enthält keine Clips zum Speichern.</translation>
    </message>
    <message>
        <source>A tone for this phone is a .%1 file, so it was saved as %2, not %3.</source>
        <translation>Ein Ton für dieses Telefon ist eine .%1-Datei, daher wurde er als %2 gespeichert, nicht als %3.</translation>
    </message>
    <message>
        <source>A tone for this phone is a .%1 file, and %2 already exists.

Replace it?</source>
        <translation>Ein Ton für dieses Telefon ist eine .%1-Datei, und %2 existiert bereits.

Ersetzen?</translation>
    </message>
    <message>
        <source>Saving.......</source>
        <translation>Speichern.......</translation>
    </message>
    <message>
        <source>%1 was not saved: the encoder did not take the job (error code %2).</source>
        <translation>%1 wurde nicht gespeichert: der Encoder hat den Auftrag nicht angenommen (Fehlercode %2).</translation>
    </message>
    <message>
        <source>Finish Save
%1
</source>
        <translation>Speichern abgeschlossen
%1
</translation>
    </message>
    <message>
        <source>
Send it to a phone now?</source>
        <translation>
Jetzt an ein Telefon senden?</translation>
    </message>
    <message>
        <source>The ringtone is %1 long. An iPhone may not offer a ringtone longer than %2.

Save it anyway?</source>
        <translation>Der Klingelton ist %1 lang. Ein iPhone bietet einen Klingelton über %2 vielleicht nicht an.

Trotzdem speichern?</translation>
    </message>
    <message>
        <source>The ringtone is %1 long; an iPhone takes a ringtone of at most %2.

Save its first %2, with a fade-out, instead?</source>
        <translation>Der Klingelton ist %1 lang; ein iPhone nimmt einen Klingelton von höchstens %2.

Stattdessen seine ersten %2 mit Ausblenden speichern?</translation>
    </message>
    <message>
        <source>The ringtone was not saved.

%1</source>
        <translation>Der Klingelton wurde nicht gespeichert.

%1</translation>
    </message>
</context>
<context>
    <name>SendToPhone</name>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Look Again</source>
        <translation>Erneut suchen</translation>
    </message>
    <message>
        <source>Send to Phone</source>
        <translation>An Telefon senden</translation>
    </message>
    <message>
        <source>Send %1 to:</source>
        <translation>%1 senden an:</translation>
    </message>
    <message>
        <source>Looking for phones...</source>
        <translation>Suche nach Telefonen...</translation>
    </message>
    <message>
        <source>Sending to %1...</source>
        <translation>Senden an %1...</translation>
    </message>
    <message>
        <source> Click &quot;Send&quot; again to replace it.</source>
        <translation> Erneut auf „Senden“ klicken, um sie zu ersetzen.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Cannot read the settings file %1</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1: it is too big.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: sie ist zu groß.</translation>
    </message>
    <message>
        <source>%1: not a plain file; left alone.</source>
        <translation>%1: keine normale Datei; unverändert gelassen.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Files opened with %1 from now on open a window of their own, because no private folder can be made in %2 for the socket that would take them.</source>
        <translation>Dateien, die ab jetzt mit %1 geöffnet werden, öffnen ein eigenes Fenster, weil sich in %2 kein privater Ordner für den Socket anlegen lässt, der sie annehmen würde.</translation>
    </message>
    <message>
        <source>Files opened with %1 from now on open a window of their own, because %2 cannot be written.</source>
        <translation>Dateien, die ab jetzt mit %1 geöffnet werden, öffnen ein eigenes Fenster, weil %2 nicht beschrieben werden kann.</translation>
    </message>
    <message>
        <source>Files opened with %1 from now on open a window of their own, because the name of their socket, %2, is taken by something that is not this user&apos;s.</source>
        <translation>Dateien, die ab jetzt mit %1 geöffnet werden, öffnen ein eigenes Fenster, weil der Name ihres Sockets, %2, von etwas belegt ist, das nicht diesem Benutzer gehört.</translation>
    </message>
    <message>
        <source>Files opened with %1 from now on open a window of their own, because their socket cannot be made (%2).</source>
        <translation>Dateien, die ab jetzt mit %1 geöffnet werden, öffnen ein eigenes Fenster, weil sich ihr Socket nicht anlegen lässt (%2).</translation>
    </message>
</context>
<context>
    <name>SongGuide</name>
    <message>
        <source>Snap marks to</source>
        <translation>Einrasten auf</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Zero crossing</source>
        <translation>Nulldurchgang</translation>
    </message>
    <message>
        <source>Beat</source>
        <translation>Schlag</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Takt</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>As found</source>
        <translation>Wie erkannt</translation>
    </message>
    <message>
        <source>Half</source>
        <translation>Halb</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>Suggestions last</source>
        <translation>Vorschläge dauern</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Andere…</translation>
    </message>
    <message>
        <source>Other… (%1 s)</source>
        <translation>Andere… (%1 s)</translation>
    </message>
</context>
<context>
    <name>StartPlan</name>
    <message>
        <source>%1 is running but does not answer, and no folder of its own can be made for this window.</source>
        <translation>%1 läuft, antwortet aber nicht, und für dieses Fenster lässt sich kein eigener Ordner anlegen.</translation>
    </message>
    <message>
        <source>%1 is running but did not take the files of this start, so this window works on its own, with its clips in %2.</source>
        <translation>%1 läuft, hat aber die Dateien dieses Starts nicht übernommen; daher arbeitet dieses Fenster eigenständig, mit seinen Clips in %2.</translation>
    </message>
</context>
<context>
    <name>TakeRecorder</name>
    <message>
        <source>Couldn&apos;t start recording</source>
        <translation>Aufnahme konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>There is no take to change.</source>
        <translation>Es gibt keine Aufnahme zum Ändern.</translation>
    </message>
    <message>
        <source>Out of memory!</source>
        <translation>Nicht genügend Arbeitsspeicher!</translation>
    </message>
    <message>
        <source>The take has reached the largest size a WAV file can hold, so recording stopped. Everything recorded so far is kept.</source>
        <translation>Die Aufnahme hat die Höchstgröße einer WAV-Datei erreicht, daher wurde das Aufnehmen beendet. Alles bisher Aufgenommene bleibt erhalten.</translation>
    </message>
    <message>
        <source>The sound server ended the recording. Everything recorded until then is kept.</source>
        <translation>Der Soundserver hat die Aufnahme beendet. Alles bis dahin Aufgenommene bleibt erhalten.</translation>
    </message>
    <message>
        <source>%1: there is no finished take to save.</source>
        <translation>%1: es gibt keine fertige Aufnahme zum Speichern.</translation>
    </message>
</context>
<context>
    <name>TakeSpool</name>
    <message>
        <source>%1 holds no recorded sound.</source>
        <translation>%1 enthält keinen aufgenommenen Klang.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 cannot be made a clip.</source>
        <translation>Aus %1 lässt sich kein Clip machen.</translation>
    </message>
</context>
<context>
    <name>Wav</name>
    <message>
        <source>%1: the sound ends before its header says.</source>
        <translation>%1: der Klang endet früher, als sein Header angibt.</translation>
    </message>
    <message>
        <source>Not a usable WAV file: %1.</source>
        <translation>Keine verwendbare WAV-Datei: %1.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>no RIFF/WAVE header</source>
        <translation>kein RIFF/WAVE-Header</translation>
    </message>
    <message>
        <source>fmt chunk of %1 bytes</source>
        <translation>fmt-Chunk mit %1 Bytes</translation>
    </message>
    <message>
        <source>the fmt chunk is cut short</source>
        <translation>der fmt-Chunk ist abgeschnitten</translation>
    </message>
    <message>
        <source>extensible fmt chunk of %1 bytes</source>
        <translation>fmt-Chunk (Extensible) mit %1 Bytes</translation>
    </message>
    <message>
        <source>no fmt chunk</source>
        <translation>kein fmt-Chunk</translation>
    </message>
    <message>
        <source>no data chunk</source>
        <translation>kein data-Chunk</translation>
    </message>
    <message>
        <source>%1 channels, where 1 to %2 can be read</source>
        <translation>%1 Kanäle, lesbar sind 1 bis %2</translation>
    </message>
    <message>
        <source>a sample rate of %1 Hz, where 1 to %2 Hz can be read</source>
        <translation>eine Abtastrate von %1 Hz, lesbar sind 1 bis %2 Hz</translation>
    </message>
    <message>
        <source>zero block align</source>
        <translation>Block-Align ist null</translation>
    </message>
    <message>
        <source>Unsupported WAV sample format (code %1, %2 bits).</source>
        <translation>Nicht unterstütztes WAV-Sampleformat (Code %1, %2 Bit).</translation>
    </message>
    <message>
        <source>block align %1 does not match the format</source>
        <translation>Block-Align %1 passt nicht zum Format</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: Datei nicht vorhanden.</translation>
    </message>
    <message>
        <source>%1: not a file.</source>
        <translation>%1: keine Datei.</translation>
    </message>
    <message>
        <source>%1: only 8- and 16-bit sound can be worked on here.</source>
        <translation>%1: hier lässt sich nur 8- und 16-Bit-Klang bearbeiten.</translation>
    </message>
    <message>
        <source>Bad command &quot;%1&quot;: %2.</source>
        <translation>Ungültiger Befehl „%1“: %2.</translation>
    </message>
    <message>
        <source>unbalanced or misplaced quotes</source>
        <translation>unpaarige oder falsch gesetzte Anführungszeichen</translation>
    </message>
    <message>
        <source>no command</source>
        <translation>kein Befehl</translation>
    </message>
    <message>
        <source>unknown command or wrong words</source>
        <translation>unbekannter Befehl oder falsche Wörter</translation>
    </message>
    <message>
        <source>A file and an alias are needed.</source>
        <translation>Eine Datei und ein Alias werden benötigt.</translation>
    </message>
    <message>
        <source>Alias %1 is already open.</source>
        <translation>Alias %1 ist bereits geöffnet.</translation>
    </message>
    <message>
        <source>No sound is open as %1.</source>
        <translation>Kein Klang ist als %1 geöffnet.</translation>
    </message>
    <message>
        <source>Positions &quot;%1&quot; and &quot;%2&quot; are not whole milliseconds.</source>
        <translation>Die Positionen „%1“ und „%2“ sind keine ganzen Millisekunden.</translation>
    </message>
    <message>
        <source>Position %1 ms is after %2 ms.</source>
        <translation>Position %1 ms liegt hinter %2 ms.</translation>
    </message>
    <message>
        <source>%1: only 8- or 16-bit PCM sound can be saved, not %2-bit PCM.</source>
        <translation>%1: nur 8- oder 16-Bit-PCM-Klang lässt sich speichern, nicht %2-Bit-PCM.</translation>
    </message>
    <message>
        <source>%1: only 8- or 16-bit PCM sound can be saved, not %2-bit float.</source>
        <translation>%1: nur 8- oder 16-Bit-PCM-Klang lässt sich speichern, nicht %2-Bit-Float.</translation>
    </message>
    <message>
        <source>%1: the sound is too large for a WAV file.</source>
        <translation>%1: der Klang ist zu groß für eine WAV-Datei.</translation>
    </message>
    <message>
        <source>%1: the file has changed since it was opened.</source>
        <translation>%1: die Datei wurde seit dem Öffnen geändert.</translation>
    </message>
    <message>
        <source>read failed</source>
        <translation>Lesen fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>Waveform</name>
    <message>
        <source>%1: %2.</source>
        <extracomment>A file&apos;s path, then what is wrong with it.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>%1: not a plain file in a plain folder; left alone.</source>
        <translation>%1: keine normale Datei in einem normalen Ordner; unverändert gelassen.</translation>
    </message>
    <message>
        <source>not a peak file</source>
        <translation>keine Peak-Datei</translation>
    </message>
    <message>
        <source>made from another version of the clip</source>
        <translation>aus einer anderen Version des Clips erstellt</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>%1: too low a sample rate for a spectrogram.</source>
        <translation>%1: die Abtastrate ist zu niedrig für ein Spektrogramm.</translation>
    </message>
    <message>
        <source>not a spectrogram file</source>
        <translation>keine Spektrogrammdatei</translation>
    </message>
</context>
<context>
    <name>WaveformView</name>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Left and Right move it; Up and Down choose another time</source>
        <translation>Links und Rechts verschieben die Zeit; Hoch und Runter wählen eine andere</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>Wellenform</translation>
    </message>
    <message>
        <source>Stretch shown</source>
        <translation>Gezeigter Abschnitt</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ganz</translation>
    </message>
    <message>
        <source>Show the whole clip</source>
        <translation>Den ganzen Clip zeigen</translation>
    </message>
    <message>
        <source>Sel</source>
        <translation>Ausw.</translation>
    </message>
    <message>
        <source>Zoom to the kept stretch</source>
        <translation>Auf den behaltenen Abschnitt zoomen</translation>
    </message>
    <message>
        <source>Taller waveform</source>
        <translation>Höhere Wellenform</translation>
    </message>
    <message>
        <source>Shorter waveform</source>
        <translation>Flachere Wellenform</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Spektrogramm</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beides</translation>
    </message>
    <message>
        <source>What the editor shows of the sound</source>
        <translation>Was der Editor vom Klang zeigt</translation>
    </message>
    <message>
        <source>Picture of the sound</source>
        <translation>Bild des Klangs</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A mark&apos;s or the playhead&apos;s name, then its time.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 (kept length %2)</source>
        <translation>%1 (behaltene Länge %2)</translation>
    </message>
    <message>
        <source>Mark-in</source>
        <translation>Startmarke</translation>
    </message>
    <message>
        <source>Mark-out</source>
        <translation>Endmarke</translation>
    </message>
    <message>
        <source>Playhead</source>
        <translation>Abspielkopf</translation>
    </message>
    <message>
        <source>samples</source>
        <extracomment>The ruler counts samples rather than time.</extracomment>
        <translation>Samples</translation>
    </message>
    <message>
        <source>Spectrogram being made…</source>
        <translation>Spektrogramm wird erstellt…</translation>
    </message>
</context>
</TS>
