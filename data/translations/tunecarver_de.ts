<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AudioError</name>
    <message>
        <source>%1

error code: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CleanUp</name>
    <message>
        <source>%1: cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; gave back less sound than it was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loudness cannot be measured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The limiter gave back less sound than it was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brought from %1 to %2 LUFS, the loudest peaks held down to keep the true peak under %3 dBTP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clean-up was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound is too short to clean: it lasts less than half a second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound is nothing but silence: there is nothing to clean.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound is nothing but noise: no voice stands out of it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>Time Input Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the marks %2 ms to %3 ms lie outside the clip (0 to %4 ms).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such clip file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be copied to %2 (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not cropped: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the cropped sound cannot replace it (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t initialize device (error code: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files were not added to the list:

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t initialize device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t play the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not added to the list.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 bytes, too short to hold a WAV header.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2-bit %3 samples cannot be joined; clips hold 8- or 16-bit PCM.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>float</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the clip file ended early or cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: with this clip the joined sound passes the largest size a WAV file can hold (%2 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no clips to join into %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: with this clip the joined sound would pass the largest size a WAV file can hold (%2 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 Hz · %3 · %4-bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the sound is shorter than its header says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the sound as it is cannot be kept for undo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be brought back: its kept version is not a plain file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be brought back: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file holds no sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 samples were clipped at full scale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the loudness cannot be measured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the true peak cannot be measured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the sound ends before its header says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clip is silent: there is nothing to bring up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak brought to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too short to measure its loudness (under %1 s): peak brought to %2 instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brought from %1 to %2 LUFS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brought from %1 LUFS as far as the true peak allows (%2 dBTP): %3 LUFS.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Codec</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s path, then what is wrong with it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be reached (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a sound format that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the stream cannot be read (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds no sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no decoder for its sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>implausible sound parameters (%1 channels, %2 Hz).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 decoder refuses it (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its sound cannot be decoded (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot go to %1 s (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot go back in a stream that cannot seek.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its samples cannot be converted (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decoding failed midway (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a read of %2 bytes holds no whole frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: this FFmpeg has no %2 encoder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the %2 encoder refuses %3 Hz mono at %4 kbit/s (%5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the %2 encoder refuses %3 Hz stereo at %4 kbit/s (%5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the %2 encoder failed (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An FFT of %1 samples.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No FFT of %1 samples.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the MP3 encoder refuses %2 Hz, %3 channels, %4 kbit/s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the MP3 encoder failed (code %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the MP3 encoder&apos;s tag does not fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loudness meter cannot start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz, %2 channels, %3 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samples of %1 cannot be converted to %2 (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samples of %1 cannot be converted to %2: only 8- and 16-bit sound with 1 to %3 channels is handled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The conversion has already ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; cannot be set up (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound filter takes float samples.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound filter takes 16-bit samples.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; failed after the end of the sound (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; failed on the sound (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; failed at the end of the sound (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; does not take &quot;%2 %3&quot; (%4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the %2 encoder takes 16-bit sound of one or two channels, not %3-bit with %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>encoding was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no sound file is open for decoding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: decoding was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the sound is too long for a WAV file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Rec Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The input to record from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording level of the input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder to become the base folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The volume whose folders are listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The open clip with its marks and playhead; click to move the playhead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playhead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the clip plays from, in seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark-in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the kept stretch starts, m:ss.mmm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length of the kept stretch, m:ss.mmm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark-out time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the kept stretch ends, m:ss.mmm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length of a fade in or out, in seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The gain to apply, in decibels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loudness Normalise brings clips to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save The List to Wav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save The List to MP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as Ringtone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clip list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clips to play, edit and save; click to select, double click or Return to edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The status code of the last MP3 encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim the silence at both ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduce the steady noise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove clicks and rumble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring the voice to -16 LUFS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wav -&gt; Mp3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 -&gt; Wav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert to Wav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wav file to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Wav file to convert to MP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Wav file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the Wav file to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 file to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the MP3 file is written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose MP3 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose where the MP3 file is written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 file to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 file to convert to Wav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the MP3 file to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wav file to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the Wav file is written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose where the Wav file is written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The status code of the last conversion</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>Edit Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smooth cuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim, denoise and level a voice (C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestions last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds, from %1 to %2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A suggestion lasts from %1 to %2 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the marks on the best part of the song (S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the marks land, the tempo and the suggestions&apos; length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double click a clip to edit it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark-in (h:mm:ss)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playhead (h:mm:ss); the clip&apos;s length until it plays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark-out (h:mm:ss)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark-in (m:ss.mmm): type a time to set it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept length, mark-in to mark-out (m:ss.mmm): type one to move mark-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark-out (m:ss.mmm): type a time to set it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened for editing.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type m:ss.mmm, for example 0:12.500.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clip is only %1 long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No waveform: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the sound as it is cannot be kept for undo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not cropped; its clip file is as it was.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving.......</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EffectsRow</name>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normalise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length of a fade, in seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The gain, in decibels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loudness Normalise brings clips to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normalise every clip of the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the length of the fade in seconds, for example 1.0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the gain in decibels, from -60 to +60, for example +3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound as it is cannot be kept for undo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normalise all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not changed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EncoderJobs</name>
    <message>
        <source>Finish Save
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1: cannot be read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the copy was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a link, not a file; it is not followed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a plain file (a folder, a pipe or a device).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a plain file; left alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: its folder cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrameAbout</name>
    <message>
        <source>KorvaNel Tunecarver can Crop and Convert You Favorite MP3, Wav File, Also can Record Your Own Sound Form Your computer Soundcard, You can cut or trim different parts of different songs form different format and merge it into one song, it let mobile phone create your own style ring tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support :<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrameConvert</name>
    <message>
        <source>Wav File(*.wav)|*.wav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 File(*.mp3)|*.mp3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t convert %1: the file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t convert %1: it is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t convert %1 into %2: the target is the source file itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t convert %1 (error code %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wav &lt;-&gt; Mp3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting.......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Finish
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrameRec</name>
    <message>
        <source>%1 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vioce Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rec Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size of File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In five minutes the take reaches the largest size a WAV file can hold. Recording then stops, and everything recorded is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre-roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>The unit after the pre-roll&apos;s number of seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound heard before Record that goes into the take</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start on sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record waits for the first sound louder than the level beside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The level that starts the take</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim, denoise and level the take</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning up.......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t create the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the cleaned take can&apos;t be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t initialize device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The take is now the clip &quot;%1&quot; at the end of the clip list of the &quot;Audio Edit&quot; page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving.......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for sound…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrameSetting</name>
    <message>
        <source>Mp3 KBit/S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Base Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed window size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used from the next start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create New Folder </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Folder Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No folder was created: no name was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No folder was created: &quot;%1&quot; is not a folder name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No folder was created: %1 already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrameWav</name>
    <message>
        <source>Audio Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing stopped.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to Select Play<byte value="xd"/>
Double Click to Select Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normalise all</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmLoad</name>
    <message>
        <source>Loading..........</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Frmmain</name>
    <message>
        <source>Open Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the %1 clips and the take (%2:%3 recorded) of the last run?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the %1 clips of the last run?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the take (%1:%2 recorded) of the last run?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clip files of the last run are left as they were in %1 until the program ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take of the last run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The take of the last run cannot be restored.

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputTypes</name>
    <message>
        <source>Digital</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi synth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analog CD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC Speaker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave/PCM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UnSupport</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LevelMeterView</name>
    <message>
        <source>%1 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-inf dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLIP</source>
        <extracomment>Shown on the level meter when the input was too loud.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListButtons</name>
    <message>
        <source>Add New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Form List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move UP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert before the selected clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to the clip list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files are still being added to the list. Try again when they are in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not removed: %2 cannot be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListPlayer</name>
    <message>
        <source>List Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the song to play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListSaving</name>
    <message>
        <source>Wav(*.wav)|*.wav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving.......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not saved.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish Save
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3(*.mp3)|*.mp3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not saved: the MP3 encoder did not take the job (error code %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list has no clips to save.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaPlayer</name>
    <message>
        <source>Unknown player command &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file name is set to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file cannot be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file is open to play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: playback failed. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: playback did not stop. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the sound server stopped playing it (it may have gone away).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file is open to follow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MusicAnalysis</name>
    <message>
        <source>%1: not a plain file in a plain folder; left alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too short to find a beat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no steady beat found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound&apos;s format cannot be analysed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the clip is silent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starts at bar %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starts at %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the whole clip: it is no longer than %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no beat found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only the loudest stretch (%1), %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chorus, heard %1 times, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chorus again (%1 of %2), %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>part %1, heard %2 times, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no part repeats: the loudest stretch, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the loudest stretch, %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Audio Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vioce Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wav &lt;-&gt; Mp3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PeakCache</name>
    <message>
        <source>%1: the sound cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhoneLink</name>
    <message>
        <source>KDE Connect (%1) is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KDE Connect (%1) cannot be started: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KDE Connect did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KDE Connect failed (exit code %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KDE Connect failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not list its folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused to make the folder %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused to delete a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The USB devices of this computer cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB device %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone is not connected any more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone cannot be opened: it was unplugged, or another program (a file manager) is using it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No phone was found. Plug in an Android phone with its USB cable, unlock it and choose &quot;File transfer&quot; in its USB notification; or pair the phone with KDE Connect and keep it on the same network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was sent to %2 with KDE Connect. On an iPhone, open it from the notification and choose &quot;Use as Ringtone&quot;; on an Android phone, choose it in the sound settings once it is downloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not connected any more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is locked or does not share its files: unlock it, choose &quot;File transfer&quot; in its USB notification and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has %2 in %3 already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is on %2, in %3 on its storage. Choose it in the phone&apos;s sound settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is on %2, in %3 on %4. Choose it in the phone&apos;s sound settings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pulse</name>
    <message>
        <source>Can&apos;t create the recording stream: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t start recording: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t move the recording to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t create the sound server main loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t start the sound server main loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer from the server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t connect to the sound server: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next sound is playing already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That sound cannot follow this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds of different formats cannot follow each other.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 channels of %3-bit samples at %4 Hz can&apos;t be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound in memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound in memory is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound server did not resume playback: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t create a playback stream: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t start playback: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position %1 is outside the sound (%2 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Level %1 is outside 0 to 100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t set the level of %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The engine is not started for recording.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound server did not list its inputs: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no input %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No stream or capture has the handle %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ringtone</name>
    <message>
        <source>iPhone, share sheet (under 30 s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone, Finder (up to 40 s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android (.ogg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android (.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone ringtone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android ringtone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>encoding was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: there is no sound to make a ringtone of.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the tone is too long to be played %2 times.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RingtoneDialog</name>
    <message>
        <source>Play loop %1 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the whole list, joined in order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring to a loudness of %1 LUFS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade out over the last %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seamless loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as Ringtone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name phones list the ringtone by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The end runs into the start, so the phone repeats the tone without a jump or a pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loop cannot be played (error code %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RingtoneSaving</name>
    <message>
        <source>The list has no clips to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tone for this phone is a .%1 file, so it was saved as %2, not %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tone for this phone is a .%1 file, and %2 already exists.

Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving.......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not saved.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not saved: the encoder did not take the job (error code %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish Save
%1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Send it to a phone now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ringtone is %1 long. An iPhone may not offer a ringtone longer than %2.

Save it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ringtone is %1 long; an iPhone takes a ringtone of at most %2.

Save its first %2, with a fade-out, instead?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SendToPhone</name>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send %1 to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for phones...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending to %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Click &quot;Send&quot; again to replace it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Cannot read the settings file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the settings file %1: it is too big.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a plain file; left alone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Files opened with %1 from now on open a window of their own, because no private folder can be made in %2 for the socket that would take them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files opened with %1 from now on open a window of their own, because %2 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files opened with %1 from now on open a window of their own, because the name of their socket, %2, is taken by something that is not this user&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files opened with %1 from now on open a window of their own, because their socket cannot be made (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SongGuide</name>
    <message>
        <source>Snap marks to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zero crossing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestions last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other… (%1 s)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartPlan</name>
    <message>
        <source>%1 is running but does not answer, and no folder of its own can be made for this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is running but did not take the files of this start, so this window works on its own, with its clips in %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TakeRecorder</name>
    <message>
        <source>Couldn&apos;t start recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no take to change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The take has reached the largest size a WAV file can hold, so recording stopped. Everything recorded so far is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound server ended the recording. Everything recorded until then is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: there is no finished take to save.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TakeSpool</name>
    <message>
        <source>%1 holds no recorded sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be made a clip.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Wav</name>
    <message>
        <source>%1: the sound ends before its header says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a usable WAV file: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no RIFF/WAVE header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fmt chunk of %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the fmt chunk is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>extensible fmt chunk of %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no fmt chunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no data chunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels, where 1 to %2 can be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sample rate of %1 Hz, where 1 to %2 Hz can be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zero block align</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported WAV sample format (code %1, %2 bits).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>block align %1 does not match the format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: only 8- and 16-bit sound can be worked on here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad command &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbalanced or misplaced quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command or wrong words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file and an alias are needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alias %1 is already open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound is open as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions &quot;%1&quot; and &quot;%2&quot; are not whole milliseconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position %1 ms is after %2 ms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: only 8- or 16-bit PCM sound can be saved, not %2-bit PCM.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: only 8- or 16-bit PCM sound can be saved, not %2-bit float.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the sound is too large for a WAV file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file has changed since it was opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Waveform</name>
    <message>
        <source>%1: %2.</source>
        <extracomment>A file&apos;s path, then what is wrong with it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such clip file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a plain file in a plain folder; left alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a peak file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>made from another version of the clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: too low a sample rate for a spectrogram.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a spectrogram file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaveformView</name>
    <message>
        <source>%1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left and Right move it; Up and Down choose another time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretch shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the whole clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom to the kept stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taller waveform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shorter waveform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the editor shows of the sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of the sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A mark&apos;s or the playhead&apos;s name, then its time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (kept length %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playhead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>samples</source>
        <extracomment>The ruler counts samples rather than time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectrogram being made…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
