<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AudioError</name>
    <message>
        <source>%1

error code: %2</source>
        <translation>%1

código de error: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>CleanUp</name>
    <message>
        <source>%1: cannot be read.</source>
        <translation>%1: no se puede leer.</translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; gave back less sound than it was given.</source>
        <translation>El filtro de sonido «%1» devolvió menos sonido del que recibió.</translation>
    </message>
    <message>
        <source>The loudness cannot be measured.</source>
        <translation>No se puede medir la sonoridad.</translation>
    </message>
    <message>
        <source>The limiter gave back less sound than it was given.</source>
        <translation>El limitador devolvió menos sonido del que recibió.</translation>
    </message>
    <message>
        <source>Brought from %1 to %2 LUFS, the loudest peaks held down to keep the true peak under %3 dBTP.</source>
        <translation>Llevado de %1 a %2 LUFS, con los picos más fuertes contenidos para mantener el pico verdadero por debajo de %3 dBTP.</translation>
    </message>
    <message>
        <source>The clean-up was stopped.</source>
        <translation>La limpieza se detuvo.</translation>
    </message>
    <message>
        <source>The sound is too short to clean: it lasts less than half a second.</source>
        <translation>El sonido es demasiado corto para limpiarlo: dura menos de medio segundo.</translation>
    </message>
    <message>
        <source>The sound is nothing but silence: there is nothing to clean.</source>
        <translation>El sonido no es más que silencio: no hay nada que limpiar.</translation>
    </message>
    <message>
        <source>The sound is nothing but noise: no voice stands out of it.</source>
        <translation>El sonido no es más que ruido: no se distingue ninguna voz en él.</translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>Time Input Error</source>
        <translation>Error en el tiempo introducido</translation>
    </message>
    <message>
        <source>%1: the marks %2 ms to %3 ms lie outside the clip (0 to %4 ms).</source>
        <translation>%1: las marcas de %2 ms a %3 ms quedan fuera del clip (de 0 a %4 ms).</translation>
    </message>
    <message>
        <source>%1: no such clip file.</source>
        <translation>%1: no existe ese archivo de clip.</translation>
    </message>
    <message>
        <source>%1: not a file.</source>
        <translation>%1: no es un archivo.</translation>
    </message>
    <message>
        <source>%1: cannot be copied to %2 (%3).</source>
        <translation>%1: no se puede copiar en %2 (%3).</translation>
    </message>
    <message>
        <source>%1 was not cropped: %2</source>
        <translation>%1 no se recortó: %2</translation>
    </message>
    <message>
        <source>%1: the cropped sound cannot replace it (%2).</source>
        <translation>%1: el sonido recortado no puede reemplazarlo (%2).</translation>
    </message>
    <message>
        <source>Can&apos;t initialize device (error code: %1)</source>
        <translation>No se puede inicializar el dispositivo (código de error: %1)</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
    <message>
        <source>These files were not added to the list:

</source>
        <translation>Estos archivos no se añadieron a la lista:

</translation>
    </message>
    <message>
        <source>Can&apos;t initialize device</source>
        <translation>No se puede inicializar el dispositivo</translation>
    </message>
    <message>
        <source>Can&apos;t play the file</source>
        <translation>No se puede reproducir el archivo</translation>
    </message>
    <message>
        <source>%1 was not added to the list.

%2</source>
        <translation>%1 no se añadió a la lista.

%2</translation>
    </message>
    <message>
        <source>%1: %2 bytes, too short to hold a WAV header.</source>
        <translation>%1: %2 bytes, demasiado corto para contener una cabecera WAV.</translation>
    </message>
    <message>
        <source>%1: %2-bit %3 samples cannot be joined; clips hold 8- or 16-bit PCM.</source>
        <translation>%1: no se pueden unir muestras %3 de %2 bits; los clips contienen PCM de 8 o 16 bits.</translation>
    </message>
    <message>
        <source>PCM</source>
        <translation>PCM</translation>
    </message>
    <message>
        <source>float</source>
        <translation>float</translation>
    </message>
    <message>
        <source>%1: the clip file ended early or cannot be read.</source>
        <translation>%1: el archivo de clip terminó antes de tiempo o no se puede leer.</translation>
    </message>
    <message>
        <source>%1: with this clip the joined sound passes the largest size a WAV file can hold (%2 bytes).</source>
        <translation>%1: con este clip el sonido unido supera el tamaño máximo que admite un archivo WAV (%2 bytes).</translation>
    </message>
    <message>
        <source>There are no clips to join into %1.</source>
        <translation>No hay clips que unir en %1.</translation>
    </message>
    <message>
        <source>%1: with this clip the joined sound would pass the largest size a WAV file can hold (%2 bytes).</source>
        <translation>%1: con este clip el sonido unido superaría el tamaño máximo que admite un archivo WAV (%2 bytes).</translation>
    </message>
    <message>
        <source>no sound</source>
        <translation>sin sonido</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>estéreo</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>%1 · %2 Hz · %3 · %4-bit</source>
        <translation>%1 · %2 Hz · %3 · %4 bits</translation>
    </message>
    <message>
        <source>%1: the sound is shorter than its header says.</source>
        <translation>%1: el sonido es más corto de lo que indica su cabecera.</translation>
    </message>
    <message>
        <source>Move of %1</source>
        <translation>Mover %1</translation>
    </message>
    <message>
        <source>Add of %1</source>
        <translation>Añadir %1</translation>
    </message>
    <message>
        <source>%1 cannot be deleted.</source>
        <translation>No se puede eliminar %1.</translation>
    </message>
    <message>
        <source>Remove of %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>%1: the sound as it is cannot be kept for undo.</source>
        <translation>%1: no se puede conservar el sonido tal como está para deshacer.</translation>
    </message>
    <message>
        <source>%1 cannot be brought back: its kept version is not a plain file.</source>
        <translation>No se puede recuperar %1: su versión conservada no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 cannot be brought back: %2.</source>
        <translation>No se puede recuperar %1: %2.</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2).</source>
        <translation>%1: no se puede escribir (%2).</translation>
    </message>
    <message>
        <source>%1: the file holds no sound.</source>
        <translation>%1: el archivo no contiene sonido.</translation>
    </message>
    <message>
        <source>%1 samples were clipped at full scale.</source>
        <translation>Se saturaron %1 muestras a fondo de escala.</translation>
    </message>
    <message>
        <source>%1: the loudness cannot be measured.</source>
        <translation>%1: no se puede medir la sonoridad.</translation>
    </message>
    <message>
        <source>%1: the true peak cannot be measured.</source>
        <translation>%1: no se puede medir el pico verdadero.</translation>
    </message>
    <message>
        <source>%1: cannot be read.</source>
        <translation>%1: no se puede leer.</translation>
    </message>
    <message>
        <source>%1: the sound ends before its header says.</source>
        <translation>%1: el sonido termina antes de lo que indica su cabecera.</translation>
    </message>
    <message>
        <source>The clip is silent: there is nothing to bring up.</source>
        <translation>El clip está en silencio: no hay nada que subir.</translation>
    </message>
    <message>
        <source>Peak brought to %1.</source>
        <translation>Pico llevado a %1.</translation>
    </message>
    <message>
        <source>Too short to measure its loudness (under %1 s): peak brought to %2 instead.</source>
        <translation>Demasiado corto para medir su sonoridad (menos de %1 s): se llevó el pico a %2 en su lugar.</translation>
    </message>
    <message>
        <source>Brought from %1 to %2 LUFS.</source>
        <translation>Llevado de %1 a %2 LUFS.</translation>
    </message>
    <message>
        <source>Brought from %1 LUFS as far as the true peak allows (%2 dBTP): %3 LUFS.</source>
        <translation>Llevado de %1 LUFS hasta donde permite el pico verdadero (%2 dBTP): %3 LUFS.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>%1 is one of the clips joined: it cannot be saved over.</source>
        <translation>%1 es uno de los clips unidos: no se puede guardar encima de él.</translation>
    </message>
    <message>
        <source>There is no sound to read.</source>
        <translation>No hay sonido que leer.</translation>
    </message>
    <message>
        <source>The clip %1 cannot be read: its file (%2) is missing, unreadable or not what it was when the clip went into the list. Remove the clip and add its song again.</source>
        <translation>El clip %1 no se puede leer: su archivo (%2) falta, no se puede leer o ya no es el que era cuando el clip entró en la lista. Quite el clip y añada su canción de nuevo.</translation>
    </message>
    <message>
        <source>%1: the changed sound cannot replace it (%2).</source>
        <translation>%1: el sonido cambiado no puede reemplazarlo (%2).</translation>
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
        <translation>memoria agotada.</translation>
    </message>
    <message>
        <source>cannot be reached (%1).</source>
        <translation>no se puede acceder (%1).</translation>
    </message>
    <message>
        <source>not a sound format that can be read.</source>
        <translation>no es un formato de sonido que se pueda leer.</translation>
    </message>
    <message>
        <source>the stream cannot be read (%1).</source>
        <translation>no se puede leer el flujo (%1).</translation>
    </message>
    <message>
        <source>the file holds no sound.</source>
        <translation>el archivo no contiene sonido.</translation>
    </message>
    <message>
        <source>no decoder for its sound.</source>
        <translation>no hay decodificador para su sonido.</translation>
    </message>
    <message>
        <source>implausible sound parameters (%1 channels, %2 Hz).</source>
        <translation>parámetros de sonido inverosímiles (%1 canales, %2 Hz).</translation>
    </message>
    <message>
        <source>the %1 decoder refuses it (%2).</source>
        <translation>el decodificador %1 lo rechaza (%2).</translation>
    </message>
    <message>
        <source>its sound cannot be decoded (%1).</source>
        <translation>no se puede decodificar su sonido (%1).</translation>
    </message>
    <message>
        <source>cannot go to %1 s (%2).</source>
        <translation>no se puede ir a %1 s (%2).</translation>
    </message>
    <message>
        <source>cannot go back in a stream that cannot seek.</source>
        <translation>no se puede retroceder en un flujo que no permite buscar.</translation>
    </message>
    <message>
        <source>its samples cannot be converted (%1).</source>
        <translation>no se pueden convertir sus muestras (%1).</translation>
    </message>
    <message>
        <source>decoding failed midway (%1).</source>
        <translation>la decodificación falló a mitad (%1).</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: no existe ese archivo.</translation>
    </message>
    <message>
        <source>%1: not a file.</source>
        <translation>%1: no es un archivo.</translation>
    </message>
    <message>
        <source>%1: the file is empty.</source>
        <translation>%1: el archivo está vacío.</translation>
    </message>
    <message>
        <source>%1: a read of %2 bytes holds no whole frame.</source>
        <translation>%1: una lectura de %2 bytes no contiene ninguna trama completa.</translation>
    </message>
    <message>
        <source>%1: this FFmpeg has no %2 encoder.</source>
        <translation>%1: este FFmpeg no tiene codificador %2.</translation>
    </message>
    <message>
        <source>%1: the %2 encoder refuses %3 Hz mono at %4 kbit/s (%5).</source>
        <translation>%1: el codificador %2 rechaza %3 Hz mono a %4 kbit/s (%5).</translation>
    </message>
    <message>
        <source>%1: the %2 encoder refuses %3 Hz stereo at %4 kbit/s (%5).</source>
        <translation>%1: el codificador %2 rechaza %3 Hz estéreo a %4 kbit/s (%5).</translation>
    </message>
    <message>
        <source>%1: the %2 encoder failed (%3).</source>
        <translation>%1: el codificador %2 falló (%3).</translation>
    </message>
    <message>
        <source>An FFT of %1 samples.</source>
        <translation>Una FFT de %1 muestras no es válida.</translation>
    </message>
    <message>
        <source>No FFT of %1 samples.</source>
        <translation>No se puede crear una FFT de %1 muestras.</translation>
    </message>
    <message>
        <source>%1: the MP3 encoder refuses %2 Hz, %3 channels, %4 kbit/s.</source>
        <translation>%1: el codificador MP3 rechaza %2 Hz, %3 canales, %4 kbit/s.</translation>
    </message>
    <message>
        <source>the MP3 encoder failed (code %1).</source>
        <translation>el codificador MP3 falló (código %1).</translation>
    </message>
    <message>
        <source>the MP3 encoder&apos;s tag does not fit.</source>
        <translation>la etiqueta del codificador MP3 no cabe.</translation>
    </message>
    <message>
        <source>The loudness meter cannot start.</source>
        <translation>El medidor de sonoridad no puede iniciarse.</translation>
    </message>
    <message>
        <source>%1 Hz, %2 channels, %3 bits</source>
        <translation>%1 Hz, %2 canales, %3 bits</translation>
    </message>
    <message>
        <source>Samples of %1 cannot be converted to %2 (%3).</source>
        <translation>Las muestras de %1 no se pueden convertir a %2 (%3).</translation>
    </message>
    <message>
        <source>Samples of %1 cannot be converted to %2: only 8- and 16-bit sound with 1 to %3 channels is handled.</source>
        <translation>Las muestras de %1 no se pueden convertir a %2: solo se admite sonido de 8 y 16 bits con 1 a %3 canales.</translation>
    </message>
    <message>
        <source>The conversion has already ended.</source>
        <translation>La conversión ya ha terminado.</translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; cannot be set up (%2).</source>
        <translation>No se puede configurar el filtro de sonido «%1» (%2).</translation>
    </message>
    <message>
        <source>Out of memory!</source>
        <translation>¡Memoria agotada!</translation>
    </message>
    <message>
        <source>The sound filter takes float samples.</source>
        <translation>El filtro de sonido admite muestras float.</translation>
    </message>
    <message>
        <source>The sound filter takes 16-bit samples.</source>
        <translation>El filtro de sonido admite muestras de 16 bits.</translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; failed after the end of the sound (%2).</source>
        <translation>El filtro de sonido «%1» falló después del final del sonido (%2).</translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; failed on the sound (%2).</source>
        <translation>El filtro de sonido «%1» falló en el sonido (%2).</translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; failed at the end of the sound (%2).</source>
        <translation>El filtro de sonido «%1» falló al final del sonido (%2).</translation>
    </message>
    <message>
        <source>The sound filter &quot;%1&quot; does not take &quot;%2 %3&quot; (%4).</source>
        <translation>El filtro de sonido «%1» no admite «%2 %3» (%4).</translation>
    </message>
    <message>
        <source>%1: the %2 encoder takes 16-bit sound of one or two channels, not %3-bit with %4.</source>
        <translation>%1: el codificador %2 admite sonido de 16 bits de uno o dos canales, no de %3 bits con %4.</translation>
    </message>
    <message>
        <source>encoding was stopped.</source>
        <translation>la codificación se detuvo.</translation>
    </message>
    <message>
        <source>%1: no sound file is open for decoding.</source>
        <translation>%1: no hay ningún archivo de sonido abierto para decodificar.</translation>
    </message>
    <message>
        <source>%1: decoding was cancelled.</source>
        <translation>%1: la decodificación se canceló.</translation>
    </message>
    <message>
        <source>%1: the sound is too long for a WAV file.</source>
        <translation>%1: el sonido es demasiado largo para un archivo WAV.</translation>
    </message>
    <message>
        <source>%1: its length cannot be counted.</source>
        <translation>%1: no se puede contar su duración.</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Rec Device</source>
        <translation>Disp. grabación</translation>
    </message>
    <message>
        <source>The input to record from</source>
        <translation>La entrada desde la que grabar</translation>
    </message>
    <message>
        <source>Input Volume</source>
        <translation>Volumen entrada</translation>
    </message>
    <message>
        <source>The recording level of the input</source>
        <translation>El nivel de grabación de la entrada</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>The folder to become the base folder</source>
        <translation>La carpeta que pasará a ser la carpeta base</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>The volume whose folders are listed</source>
        <translation>El volumen cuyas carpetas se listan</translation>
    </message>
    <message>
        <source>Mark In</source>
        <translation>Marca inicio</translation>
    </message>
    <message>
        <source>Mark Out</source>
        <translation>Marca fin</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Sugerir</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>Forma de onda</translation>
    </message>
    <message>
        <source>The open clip with its marks and playhead; click to move the playhead</source>
        <translation>El clip abierto con sus marcas y el cabezal; hacer clic para mover el cabezal</translation>
    </message>
    <message>
        <source>Playhead</source>
        <translation>Cabezal</translation>
    </message>
    <message>
        <source>Where the clip plays from, in seconds</source>
        <translation>Desde dónde se reproduce el clip, en segundos</translation>
    </message>
    <message>
        <source>Mark-in time</source>
        <translation>Tiempo marca inicio</translation>
    </message>
    <message>
        <source>Where the kept stretch starts, m:ss.mmm</source>
        <translation>Dónde empieza el tramo conservado, m:ss.mmm</translation>
    </message>
    <message>
        <source>Kept length</source>
        <translation>Duración conservada</translation>
    </message>
    <message>
        <source>The length of the kept stretch, m:ss.mmm</source>
        <translation>La duración del tramo conservado, m:ss.mmm</translation>
    </message>
    <message>
        <source>Mark-out time</source>
        <translation>Tiempo marca fin</translation>
    </message>
    <message>
        <source>Where the kept stretch ends, m:ss.mmm</source>
        <translation>Dónde termina el tramo conservado, m:ss.mmm</translation>
    </message>
    <message>
        <source>Fade length</source>
        <translation>Duración fundido</translation>
    </message>
    <message>
        <source>The length of a fade in or out, in seconds</source>
        <translation>La duración de la aparición o el desvanecimiento, en segundos</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>The gain to apply, in decibels</source>
        <translation>La ganancia que aplicar, en decibelios</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Sonoridad</translation>
    </message>
    <message>
        <source>The loudness Normalise brings clips to</source>
        <translation>La sonoridad a la que «Normalizar» lleva los clips</translation>
    </message>
    <message>
        <source>Save The List to Wav</source>
        <translation>Guardar la lista en Wav</translation>
    </message>
    <message>
        <source>Save The List to MP3</source>
        <translation>Guardar la lista en MP3</translation>
    </message>
    <message>
        <source>Save as Ringtone</source>
        <translation>Guardar como tono</translation>
    </message>
    <message>
        <source>Clip list</source>
        <translation>Lista de clips</translation>
    </message>
    <message>
        <source>The clips to play, edit and save; click to select, double click or Return to edit</source>
        <translation>Los clips para reproducir, editar y guardar; clic para seleccionar, doble clic o Return para editar</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Estado del codificador</translation>
    </message>
    <message>
        <source>The status code of the last MP3 encoding</source>
        <translation>El código de estado de la última codificación MP3</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Trim the silence at both ends</source>
        <translation>Recortar el silencio de ambos extremos</translation>
    </message>
    <message>
        <source>Reduce the steady noise</source>
        <translation>Reducir el ruido constante</translation>
    </message>
    <message>
        <source>Remove clicks and rumble</source>
        <translation>Quitar clics y retumbe</translation>
    </message>
    <message>
        <source>Bring the voice to -16 LUFS</source>
        <translation>Llevar la voz a -16 LUFS</translation>
    </message>
    <message>
        <source>Wav -&gt; Mp3</source>
        <translation>Wav -&gt; Mp3</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>Convertir a MP3</translation>
    </message>
    <message>
        <source>MP3 -&gt; Wav</source>
        <translation>MP3 -&gt; Wav</translation>
    </message>
    <message>
        <source>Convert to Wav</source>
        <translation>Convertir a Wav</translation>
    </message>
    <message>
        <source>Wav file to convert</source>
        <translation>Archivo Wav a convertir</translation>
    </message>
    <message>
        <source>The Wav file to convert to MP3</source>
        <translation>El archivo Wav que se convierte a MP3</translation>
    </message>
    <message>
        <source>Choose Wav file</source>
        <translation>Elegir archivo Wav</translation>
    </message>
    <message>
        <source>Choose the Wav file to convert</source>
        <translation>Elegir el archivo Wav que se convierte</translation>
    </message>
    <message>
        <source>MP3 file to write</source>
        <translation>Archivo MP3 de salida</translation>
    </message>
    <message>
        <source>Where the MP3 file is written</source>
        <translation>Dónde se escribe el archivo MP3</translation>
    </message>
    <message>
        <source>Choose MP3 file</source>
        <translation>Elegir archivo MP3</translation>
    </message>
    <message>
        <source>Choose where the MP3 file is written</source>
        <translation>Elegir dónde se escribe el archivo MP3</translation>
    </message>
    <message>
        <source>MP3 file to convert</source>
        <translation>Archivo MP3 a convertir</translation>
    </message>
    <message>
        <source>The MP3 file to convert to Wav</source>
        <translation>El archivo MP3 que se convierte a Wav</translation>
    </message>
    <message>
        <source>Choose the MP3 file to convert</source>
        <translation>Elegir el archivo MP3 que se convierte</translation>
    </message>
    <message>
        <source>Wav file to write</source>
        <translation>Archivo Wav de salida</translation>
    </message>
    <message>
        <source>Where the Wav file is written</source>
        <translation>Dónde se escribe el archivo Wav</translation>
    </message>
    <message>
        <source>Choose where the Wav file is written</source>
        <translation>Elegir dónde se escribe el archivo Wav</translation>
    </message>
    <message>
        <source>The status code of the last conversion</source>
        <translation>El código de estado de la última conversión</translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>Edit Song</source>
        <translation>Editar canción</translation>
    </message>
    <message>
        <source>Smooth cuts</source>
        <translation>Cortes suaves</translation>
    </message>
    <message>
        <source>Trim, denoise and level a voice (C)</source>
        <translation>Recortar silencios, quitar ruido y nivelar una voz (C)</translation>
    </message>
    <message>
        <source>Suggestions last</source>
        <translation>Las sugerencias duran</translation>
    </message>
    <message>
        <source>Seconds, from %1 to %2:</source>
        <translation>Segundos, de %1 a %2:</translation>
    </message>
    <message>
        <source>A suggestion lasts from %1 to %2 seconds.</source>
        <translation>Una sugerencia dura de %1 a %2 segundos.</translation>
    </message>
    <message>
        <source>Put the marks on the best part of the song (S)</source>
        <translation>Poner las marcas en la mejor parte de la canción (S)</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Where the marks land, the tempo and the suggestions&apos; length</source>
        <translation>Dónde caen las marcas, el tempo y la duración de las sugerencias</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation>%1 de %2: %3</translation>
    </message>
    <message>
        <source>Double click a clip to edit it</source>
        <translation>Doble clic en un clip para editarlo</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Play Selection</source>
        <translation>Reprod. selección</translation>
    </message>
    <message>
        <source>Mark-in (h:mm:ss)</source>
        <translation>Marca de inicio (h:mm:ss)</translation>
    </message>
    <message>
        <source>Playhead (h:mm:ss); the clip&apos;s length until it plays</source>
        <translation>Cabezal de reproducción (h:mm:ss); la duración del clip hasta que se reproduce</translation>
    </message>
    <message>
        <source>Mark-out (h:mm:ss)</source>
        <translation>Marca de fin (h:mm:ss)</translation>
    </message>
    <message>
        <source>Mark-in (m:ss.mmm): type a time to set it</source>
        <translation>Marca de inicio (m:ss.mmm): escribir un tiempo para fijarla</translation>
    </message>
    <message>
        <source>Kept length, mark-in to mark-out (m:ss.mmm): type one to move mark-out</source>
        <translation>Duración conservada, de la marca de inicio a la de fin (m:ss.mmm): escribir una para mover la marca de fin</translation>
    </message>
    <message>
        <source>Mark-out (m:ss.mmm): type a time to set it</source>
        <translation>Marca de fin (m:ss.mmm): escribir un tiempo para fijarla</translation>
    </message>
    <message>
        <source>%1 cannot be opened for editing.

%2</source>
        <translation>%1 no se puede abrir para editarlo.

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type m:ss.mmm, for example 0:12.500.</source>
        <translation>«%1» no es un tiempo: escribe m:ss.mmm, por ejemplo 0:12.500.</translation>
    </message>
    <message>
        <source>The clip is only %1 long.</source>
        <translation>El clip solo dura %1.</translation>
    </message>
    <message>
        <source>No waveform: %1</source>
        <translation>Sin forma de onda: %1</translation>
    </message>
    <message>
        <source>Crop of %1</source>
        <translation>Recorte de %1</translation>
    </message>
    <message>
        <source>Nothing of the clip lies between the marks.</source>
        <translation>No hay nada del clip entre las marcas.</translation>
    </message>
    <message>
        <source>%1 was not cropped; it is as it was.

%2</source>
        <translation>%1 no se ha recortado; está como estaba.

%2</translation>
    </message>
</context>
<context>
    <name>EffectsRow</name>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Fade In</source>
        <translation>Aparecer</translation>
    </message>
    <message>
        <source>Fade Out</source>
        <translation>Desvanecer</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>Normalise</source>
        <translation>Normalizar</translation>
    </message>
    <message>
        <source>The length of a fade, in seconds</source>
        <translation>La duración de un fundido, en segundos</translation>
    </message>
    <message>
        <source>The gain, in decibels</source>
        <translation>La ganancia, en decibelios</translation>
    </message>
    <message>
        <source>The loudness Normalise brings clips to</source>
        <translation>La sonoridad a la que «Normalizar» lleva los clips</translation>
    </message>
    <message>
        <source>Normalise every clip of the list</source>
        <translation>Normalizar todos los clips de la lista</translation>
    </message>
    <message>
        <source>Type the length of the fade in seconds, for example 1.0.</source>
        <translation>Escribe la duración del fundido en segundos, por ejemplo 1.0.</translation>
    </message>
    <message>
        <source>Type the gain in decibels, from -60 to +60, for example +3.</source>
        <translation>Escribe la ganancia en decibelios, de -60 a +60, por ejemplo +3.</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Aparecer</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Desvanecer</translation>
    </message>
    <message>
        <source>Clean up</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>the sound as it is cannot be kept for undo.</source>
        <translation>el sonido tal como está no se puede conservar para deshacer.</translation>
    </message>
    <message>
        <source>Normalise all</source>
        <translation>Normalizar todo</translation>
    </message>
    <message>
        <source>%1 was not changed: %2</source>
        <translation>%1 no se modificó: %2</translation>
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
        <translation>Guardado terminado
%1</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1: cannot be read (%2).</source>
        <translation>%1: no se puede leer (%2).</translation>
    </message>
    <message>
        <source>%1: the copy was stopped.</source>
        <translation>%1: la copia se detuvo.</translation>
    </message>
    <message>
        <source>%1: a link, not a file; it is not followed.</source>
        <translation>%1: es un enlace, no un archivo; no se sigue.</translation>
    </message>
    <message>
        <source>%1: not a plain file (a folder, a pipe or a device).</source>
        <translation>%1: no es un archivo normal (es una carpeta, una tubería o un dispositivo).</translation>
    </message>
    <message>
        <source>%1: not a plain file; left alone.</source>
        <translation>%1: no es un archivo normal; se deja como está.</translation>
    </message>
    <message>
        <source>%1 could not be written: its folder cannot be made.</source>
        <translation>%1 no se pudo escribir: no se puede crear su carpeta.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 no se pudo escribir.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2).</source>
        <translation>%1: no se puede escribir (%2).</translation>
    </message>
</context>
<context>
    <name>FrameAbout</name>
    <message>
        <source>KorvaNel Tunecarver can Crop and Convert You Favorite MP3, Wav File, Also can Record Your Own Sound Form Your computer Soundcard, You can cut or trim different parts of different songs form different format and merge it into one song, it let mobile phone create your own style ring tone</source>
        <translation>KorvaNel Tunecarver recorta y convierte tus archivos MP3 y Wav favoritos, y también graba tu propio sonido desde la tarjeta de sonido del equipo. Permite cortar o recortar distintas partes de distintas canciones de distintos formatos y unirlas en una sola canción, para crear tonos de llamada con tu propio estilo para el teléfono.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>Support :<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>Soporte:<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>FrameConvert</name>
    <message>
        <source>Wav File(*.wav)|*.wav</source>
        <translation>Archivo Wav(*.wav)|*.wav</translation>
    </message>
    <message>
        <source>MP3 File(*.mp3)|*.mp3</source>
        <translation>Archivo MP3(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>Can&apos;t convert %1: the file does not exist.</source>
        <translation>No se puede convertir %1: el archivo no existe.</translation>
    </message>
    <message>
        <source>Can&apos;t convert %1: it is not a file.</source>
        <translation>No se puede convertir %1: no es un archivo.</translation>
    </message>
    <message>
        <source>Can&apos;t convert %1 into %2: the target is the source file itself.</source>
        <translation>No se puede convertir %1 en %2: el destino es el propio archivo de origen.</translation>
    </message>
    <message>
        <source>Can&apos;t convert %1 (error code %2).</source>
        <translation>No se puede convertir %1 (código de error %2).</translation>
    </message>
    <message>
        <source>Wav &lt;-&gt; Mp3</source>
        <translation>Wav &lt;-&gt; Mp3</translation>
    </message>
    <message>
        <source>Converting.......</source>
        <translation>Convirtiendo.......</translation>
    </message>
    <message>
        <source>Convert Finish
%1</source>
        <translation>Conversión terminada
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
        <translation>Grabar voz</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
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
        <translation>Disp. grabación</translation>
    </message>
    <message>
        <source>Input Volume</source>
        <translation>Vol. de entrada</translation>
    </message>
    <message>
        <source>Size of File</source>
        <translation>Tamaño archivo</translation>
    </message>
    <message>
        <source>Add to List</source>
        <translation>A la lista</translation>
    </message>
    <message>
        <source>In five minutes the take reaches the largest size a WAV file can hold. Recording then stops, and everything recorded is kept.</source>
        <translation>En cinco minutos la toma alcanza el tamaño máximo que admite un archivo WAV. Entonces la grabación se detiene y se conserva todo lo grabado.</translation>
    </message>
    <message>
        <source>Pre-roll</source>
        <translation>Pre-roll</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>The unit after the pre-roll&apos;s number of seconds.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Sound heard before Record that goes into the take</source>
        <translation>Sonido oído antes de «Grabar» que entra en la toma</translation>
    </message>
    <message>
        <source>Start on sound</source>
        <translation>Iniciar con sonido</translation>
    </message>
    <message>
        <source>Record waits for the first sound louder than the level beside</source>
        <translation>«Grabar» espera al primer sonido más fuerte que el nivel de al lado</translation>
    </message>
    <message>
        <source>The level that starts the take</source>
        <translation>El nivel que inicia la toma</translation>
    </message>
    <message>
        <source>Trim, denoise and level the take</source>
        <translation>Recortar silencios, quitar ruido y nivelar la toma</translation>
    </message>
    <message>
        <source>Cleaning up.......</source>
        <translation>Limpiando.......</translation>
    </message>
    <message>
        <source>Can&apos;t create the file</source>
        <translation>No se puede crear el archivo</translation>
    </message>
    <message>
        <source>%1: the cleaned take can&apos;t be read.</source>
        <translation>%1: no se puede leer la toma limpia.</translation>
    </message>
    <message>
        <source>Can&apos;t initialize device</source>
        <translation>No se puede inicializar el dispositivo</translation>
    </message>
    <message>
        <source>The take is now the clip &quot;%1&quot; at the end of the clip list of the &quot;Audio Edit&quot; page.</source>
        <translation>La toma es ahora el clip «%1», al final de la lista de clips de la página «Editar audio».</translation>
    </message>
    <message>
        <source>WAV files</source>
        <translation>Archivos WAV</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>MP3 files</source>
        <translation>Archivos MP3</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Saving.......</source>
        <translation>Guardando.......</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Waiting for sound…</source>
        <translation>Esperando sonido…</translation>
    </message>
</context>
<context>
    <name>FrameSetting</name>
    <message>
        <source>Mp3 KBit/S</source>
        <translation>Mp3 KBit/S</translation>
    </message>
    <message>
        <source>Program Base Folder</source>
        <translation>Carpeta base del programa</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>Save Setting</source>
        <translation>Guardar ajustes</translation>
    </message>
    <message>
        <source>Fixed window size</source>
        <translation>Tamaño de ventana fijo</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Used from the next start</source>
        <translation>Se aplica desde el próximo inicio</translation>
    </message>
    <message>
        <source>Create New Folder </source>
        <translation>Crear nueva carpeta </translation>
    </message>
    <message>
        <source>New Folder Name</source>
        <translation>Nombre de carpeta</translation>
    </message>
    <message>
        <source>No folder was created: no name was given.</source>
        <translation>No se creó ninguna carpeta: no se indicó ningún nombre.</translation>
    </message>
    <message>
        <source>No folder was created: &quot;%1&quot; is not a folder name.</source>
        <translation>No se creó ninguna carpeta: «%1» no es un nombre de carpeta.</translation>
    </message>
    <message>
        <source>No folder was created: %1 already exists.</source>
        <translation>No se creó ninguna carpeta: %1 ya existe.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>FrameWav</name>
    <message>
        <source>Audio Edit</source>
        <translation>Editar audio</translation>
    </message>
    <message>
        <source>Playing stopped.

%1</source>
        <translation>Se detuvo la reproducción.

%1</translation>
    </message>
    <message>
        <source>Click to Select Play<byte value="xd"/>
Double Click to Select Edit</source>
        <translation>Clic: elegir y reproducir<byte value="xd"/>
Doble clic: elegir y editar</translation>
    </message>
    <message>
        <source>Normalise all</source>
        <translation>Normalizar todo</translation>
    </message>
</context>
<context>
    <name>FrmLoad</name>
    <message>
        <source>Loading..........</source>
        <translation>Cargando..........</translation>
    </message>
</context>
<context>
    <name>Frmmain</name>
    <message>
        <source>Open Song</source>
        <translation>Abrir canción</translation>
    </message>
    <message>
        <source>Voice Record</source>
        <translation>Grabar voz</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Restore the %1 clips and the take (%2:%3 recorded) of the last run?</source>
        <translation>¿Restaurar los %1 clips y la toma (%2:%3 grabados) de la última sesión?</translation>
    </message>
    <message>
        <source>Restore the %1 clips of the last run?</source>
        <translation>¿Restaurar los %1 clips de la última sesión?</translation>
    </message>
    <message>
        <source>Restore the take (%1:%2 recorded) of the last run?</source>
        <translation>¿Restaurar la toma (%1:%2 grabados) de la última sesión?</translation>
    </message>
    <message>
        <source>The clip files of the last run are left as they were in %1 until the program ends.</source>
        <translation>Los archivos de clip de la última sesión se dejan como estaban en %1 hasta que el programa termine.</translation>
    </message>
    <message>
        <source>Take of the last run</source>
        <translation>Toma de la última sesión</translation>
    </message>
    <message>
        <source>The take of the last run cannot be restored.

%1</source>
        <translation>No se puede restaurar la toma de la última sesión.

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
        <translation>Entrada de línea</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Midi synth</source>
        <translation>Sintetizador MIDI</translation>
    </message>
    <message>
        <source>Analog CD</source>
        <translation>CD analógico</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>PC Speaker</source>
        <translation>Altavoz del PC</translation>
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
        <translation>Analógica</translation>
    </message>
    <message>
        <source>UnSupport</source>
        <translation>No compatible</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
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
        <translation>SAT</translation>
    </message>
</context>
<context>
    <name>ListButtons</name>
    <message>
        <source>Add New</source>
        <translation>Añadir nuevo</translation>
    </message>
    <message>
        <source>Remove Form List</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <source>Move UP</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Insert before the selected clip</source>
        <translation>Insertar antes del clip seleccionado</translation>
    </message>
    <message>
        <source>Add to the clip list</source>
        <translation>Añadir a la lista de clips</translation>
    </message>
    <message>
        <source>Files are still being added to the list. Try again when they are in.</source>
        <translation>Todavía se están añadiendo archivos a la lista. Vuelve a intentarlo cuando estén dentro.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 ?</source>
        <translation>¿Seguro que quieres eliminar %1?</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>%1 was not removed: %2 cannot be deleted.</source>
        <translation>%1 no se quitó: no se puede eliminar %2.</translation>
    </message>
</context>
<context>
    <name>ListPlayer</name>
    <message>
        <source>List Control</source>
        <translation>Control de lista</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Toda la lista</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Please select the song to play</source>
        <translation>Selecciona la canción que se va a reproducir</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
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
        <translation>Guardando.......</translation>
    </message>
    <message>
        <source>%1 was not saved.

%2</source>
        <translation>%1 no se guardó.

%2</translation>
    </message>
    <message>
        <source>Finish Save
%1</source>
        <translation>Guardado terminado
%1</translation>
    </message>
    <message>
        <source>MP3(*.mp3)|*.mp3</source>
        <translation>MP3(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>%1 was not saved: the MP3 encoder did not take the job (error code %2).</source>
        <translation>%1 no se guardó: el codificador MP3 no aceptó el trabajo (código de error %2).</translation>
    </message>
    <message>
        <source>The list has no clips to save.</source>
        <translation>La lista no tiene clips que guardar.</translation>
    </message>
    <message>
        <source>The list was not saved.

%1</source>
        <translation>La lista no se guardó.

%1</translation>
    </message>
</context>
<context>
    <name>MediaPlayer</name>
    <message>
        <source>Unknown player command &quot;%1&quot;.</source>
        <translation>Orden de reproductor desconocida «%1».</translation>
    </message>
    <message>
        <source>No file name is set to open.</source>
        <translation>No hay ningún nombre de archivo para abrir.</translation>
    </message>
    <message>
        <source>%1: the file cannot be played.</source>
        <translation>%1: no se puede reproducir el archivo.</translation>
    </message>
    <message>
        <source>No file is open to play.</source>
        <translation>No hay ningún archivo abierto para reproducir.</translation>
    </message>
    <message>
        <source>%1: playback failed. %2</source>
        <translation>%1: falló la reproducción. %2</translation>
    </message>
    <message>
        <source>%1: playback did not stop. %2</source>
        <translation>%1: la reproducción no se detuvo. %2</translation>
    </message>
    <message>
        <source>%1: the sound server stopped playing it (it may have gone away).</source>
        <translation>%1: el servidor de sonido dejó de reproducirlo (puede que ya no esté).</translation>
    </message>
    <message>
        <source>No file is open to follow.</source>
        <translation>No hay ningún archivo abierto al que encadenar otro.</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>No hay ningún archivo abierto.</translation>
    </message>
</context>
<context>
    <name>MusicAnalysis</name>
    <message>
        <source>too short to find a beat</source>
        <translation>demasiado corto para encontrar un pulso</translation>
    </message>
    <message>
        <source>no steady beat found</source>
        <translation>no se encontró un pulso estable</translation>
    </message>
    <message>
        <source>The sound&apos;s format cannot be analysed.</source>
        <translation>No se puede analizar el formato del sonido.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>the clip is silent</source>
        <translation>el clip está en silencio</translation>
    </message>
    <message>
        <source>starts at bar %1</source>
        <translation>empieza en el compás %1</translation>
    </message>
    <message>
        <source>starts at %1 s</source>
        <translation>empieza en %1 s</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.º</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>the whole clip: it is no longer than %1 s</source>
        <translation>el clip entero: no dura más de %1 s</translation>
    </message>
    <message>
        <source>no beat found</source>
        <translation>no se encontró pulso</translation>
    </message>
    <message>
        <source>only the loudest stretch (%1), %2</source>
        <translation>solo el tramo más fuerte (%1), %2</translation>
    </message>
    <message>
        <source>chorus, heard %1 times, %2</source>
        <translation>estribillo, se oye %1 veces, %2</translation>
    </message>
    <message>
        <source>chorus again (%1 of %2), %3</source>
        <translation>estribillo de nuevo (%1 de %2), %3</translation>
    </message>
    <message>
        <source>part %1, heard %2 times, %3</source>
        <translation>parte %1, se oye %2 veces, %3</translation>
    </message>
    <message>
        <source>no part repeats: the loudest stretch, %1</source>
        <translation>ninguna parte se repite: el tramo más fuerte, %1</translation>
    </message>
    <message>
        <source>the loudest stretch, %1</source>
        <translation>el tramo más fuerte, %1</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Audio Edit</source>
        <translation>Editar audio</translation>
    </message>
    <message>
        <source>Vioce Record</source>
        <translation>Grabar voz</translation>
    </message>
    <message>
        <source>Wav &lt;-&gt; Mp3</source>
        <translation>Wav &lt;-&gt; Mp3</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>PeakCache</name>
    <message>
        <source>%1: the sound cannot be read.</source>
        <translation>%1: no se puede leer el sonido.</translation>
    </message>
</context>
<context>
    <name>PhoneLink</name>
    <message>
        <source>KDE Connect (%1) is not installed.</source>
        <translation>KDE Connect (%1) no está instalado.</translation>
    </message>
    <message>
        <source>KDE Connect (%1) cannot be started: %2</source>
        <translation>No se puede iniciar KDE Connect (%1): %2</translation>
    </message>
    <message>
        <source>KDE Connect did not answer in time.</source>
        <translation>KDE Connect no respondió a tiempo.</translation>
    </message>
    <message>
        <source>KDE Connect failed (exit code %1).</source>
        <translation>KDE Connect falló (código de salida %1).</translation>
    </message>
    <message>
        <source>KDE Connect failed: %1</source>
        <translation>KDE Connect falló: %1</translation>
    </message>
    <message>
        <source>The phone</source>
        <translation>El teléfono</translation>
    </message>
    <message>
        <source>%1 did not list its folders</source>
        <translation>%1 no listó sus carpetas</translation>
    </message>
    <message>
        <source>%1 refused to make the folder %2</source>
        <translation>%1 se negó a crear la carpeta %2</translation>
    </message>
    <message>
        <source>%1 refused to delete a file</source>
        <translation>%1 se negó a eliminar un archivo</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>%1 refused %2</source>
        <translation>%1 rechazó %2</translation>
    </message>
    <message>
        <source>The USB devices of this computer cannot be read.</source>
        <translation>No se pueden leer los dispositivos USB de este ordenador.</translation>
    </message>
    <message>
        <source>USB device %1:%2</source>
        <translation>Dispositivo USB %1:%2</translation>
    </message>
    <message>
        <source>The phone is not connected any more.</source>
        <translation>El teléfono ya no está conectado.</translation>
    </message>
    <message>
        <source>The phone cannot be opened: it was unplugged, or another program (a file manager) is using it.</source>
        <translation>No se puede abrir el teléfono: se desconectó, u otro programa (un gestor de archivos) lo está usando.</translation>
    </message>
    <message>
        <source>No phone was found. Plug in an Android phone with its USB cable, unlock it and choose &quot;File transfer&quot; in its USB notification; or pair the phone with KDE Connect and keep it on the same network.</source>
        <translation>No se encontró ningún teléfono. Conecta un teléfono Android con su cable USB, desbloquéalo y elige «Transferencia de archivos» en su notificación USB; o empareja el teléfono con KDE Connect y mantenlo en la misma red.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>%1 was sent to %2 with KDE Connect. On an iPhone, open it from the notification and choose &quot;Use as Ringtone&quot;; on an Android phone, choose it in the sound settings once it is downloaded.</source>
        <translation>%1 se envió a %2 con KDE Connect. En un iPhone, ábrelo desde la notificación y elige «Usar como tono»; en un teléfono Android, elígelo en los ajustes de sonido una vez descargado.</translation>
    </message>
    <message>
        <source>%1 is not connected any more.</source>
        <translation>%1 ya no está conectado.</translation>
    </message>
    <message>
        <source>%1 is locked or does not share its files: unlock it, choose &quot;File transfer&quot; in its USB notification and try again.</source>
        <translation>%1 está bloqueado o no comparte sus archivos: desbloquéalo, elige «Transferencia de archivos» en su notificación USB y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>%1 has %2 in %3 already.</source>
        <translation>%1 ya tiene %2 en %3.</translation>
    </message>
    <message>
        <source>%1 is on %2, in %3 on its storage. Choose it in the phone&apos;s sound settings.</source>
        <translation>%1 está en %2, en %3 de su almacenamiento. Elígelo en los ajustes de sonido del teléfono.</translation>
    </message>
    <message>
        <source>%1 is on %2, in %3 on %4. Choose it in the phone&apos;s sound settings.</source>
        <translation>%1 está en %2, en %3 de %4. Elígelo en los ajustes de sonido del teléfono.</translation>
    </message>
</context>
<context>
    <name>Pulse</name>
    <message>
        <source>Can&apos;t create the recording stream: %1</source>
        <translation>No se puede crear el flujo de grabación: %1</translation>
    </message>
    <message>
        <source>Can&apos;t start recording: %1</source>
        <translation>No se puede iniciar la grabación: %1</translation>
    </message>
    <message>
        <source>Can&apos;t move the recording to %1: %2</source>
        <translation>No se puede mover la grabación a %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t create the sound server main loop</source>
        <translation>No se puede crear el bucle principal del servidor de sonido</translation>
    </message>
    <message>
        <source>Can&apos;t start the sound server main loop</source>
        <translation>No se puede iniciar el bucle principal del servidor de sonido</translation>
    </message>
    <message>
        <source>no answer from the server</source>
        <translation>sin respuesta del servidor</translation>
    </message>
    <message>
        <source>Can&apos;t connect to the sound server: %1</source>
        <translation>No se puede conectar con el servidor de sonido: %1</translation>
    </message>
    <message>
        <source>The next sound is playing already.</source>
        <translation>El siguiente sonido ya se está reproduciendo.</translation>
    </message>
    <message>
        <source>That sound cannot follow this one.</source>
        <translation>Ese sonido no puede seguir a este.</translation>
    </message>
    <message>
        <source>Sounds of different formats cannot follow each other.</source>
        <translation>Los sonidos de formatos distintos no pueden ir uno tras otro.</translation>
    </message>
    <message>
        <source>%1: %2 channels of %3-bit samples at %4 Hz can&apos;t be played.</source>
        <translation>%1: no se pueden reproducir %2 canales de muestras de %3 bits a %4 Hz.</translation>
    </message>
    <message>
        <source>The sound in memory</source>
        <translation>El sonido en memoria</translation>
    </message>
    <message>
        <source>The sound in memory is empty.</source>
        <translation>El sonido en memoria está vacío.</translation>
    </message>
    <message>
        <source>The sound server did not resume playback: %1</source>
        <translation>El servidor de sonido no reanudó la reproducción: %1</translation>
    </message>
    <message>
        <source>Can&apos;t create a playback stream: %1</source>
        <translation>No se puede crear un flujo de reproducción: %1</translation>
    </message>
    <message>
        <source>Can&apos;t start playback: %1</source>
        <translation>No se puede iniciar la reproducción: %1</translation>
    </message>
    <message>
        <source>Position %1 is outside the sound (%2 bytes).</source>
        <translation>La posición %1 está fuera del sonido (%2 bytes).</translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Level %1 is outside 0 to 100.</source>
        <translation>El nivel %1 está fuera del rango de 0 a 100.</translation>
    </message>
    <message>
        <source>Can&apos;t set the level of %1: %2</source>
        <translation>No se puede ajustar el nivel de %1: %2</translation>
    </message>
    <message>
        <source>The engine is not started for recording.</source>
        <translation>El motor no se ha iniciado para grabar.</translation>
    </message>
    <message>
        <source>The sound server did not list its inputs: %1</source>
        <translation>El servidor de sonido no enumeró sus entradas: %1</translation>
    </message>
    <message>
        <source>There is no input %1.</source>
        <translation>No hay ninguna entrada %1.</translation>
    </message>
    <message>
        <source>No stream or capture has the handle %1.</source>
        <translation>Ningún flujo ni captura tiene el identificador %1.</translation>
    </message>
</context>
<context>
    <name>Ringtone</name>
    <message>
        <source>iPhone, share sheet (under 30 s)</source>
        <translation>iPhone, menú compartir (menos de 30 s)</translation>
    </message>
    <message>
        <source>iPhone, Finder (up to 40 s)</source>
        <translation>iPhone, Finder (hasta 40 s)</translation>
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
        <translation>Tono de llamada de iPhone</translation>
    </message>
    <message>
        <source>Android ringtone</source>
        <translation>Tono de llamada de Android</translation>
    </message>
    <message>
        <source>encoding was stopped.</source>
        <translation>se detuvo la codificación.</translation>
    </message>
    <message>
        <source>%1: there is no sound to make a ringtone of.</source>
        <translation>%1: no hay sonido del que hacer un tono de llamada.</translation>
    </message>
    <message>
        <source>%1: the tone is too long to be played %2 times.</source>
        <translation>%1: el tono es demasiado largo para reproducirse %2 veces.</translation>
    </message>
</context>
<context>
    <name>RingtoneDialog</name>
    <message>
        <source>Play loop %1 times</source>
        <translation>Reproducir bucle %1 veces</translation>
    </message>
    <message>
        <source>Save the whole list, joined in order</source>
        <translation>Guardar toda la lista, unida en orden</translation>
    </message>
    <message>
        <source>Bring to a loudness of %1 LUFS</source>
        <translation>Llevar a una sonoridad de %1 LUFS</translation>
    </message>
    <message>
        <source>Fade out over the last %1</source>
        <translation>Desvanecer durante los últimos %1</translation>
    </message>
    <message>
        <source>Seamless loop</source>
        <translation>Bucle sin costuras</translation>
    </message>
    <message>
        <source>Save as Ringtone</source>
        <translation>Guardar como tono</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>The name phones list the ringtone by</source>
        <translation>El nombre con el que los teléfonos listan el tono de llamada</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>The end runs into the start, so the phone repeats the tone without a jump or a pause</source>
        <translation>El final se funde con el inicio, para que el teléfono repita el tono sin saltos ni pausas</translation>
    </message>
    <message>
        <source>The loop cannot be played (error code %1).</source>
        <translation>No se puede reproducir el bucle (código de error %1).</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>RingtoneSaving</name>
    <message>
        <source>The list has no clips to save.</source>
        <translation>La lista no tiene clips que guardar.</translation>
    </message>
    <message>
        <source>A tone for this phone is a .%1 file, so it was saved as %2, not %3.</source>
        <translation>Un tono para este teléfono es un archivo .%1, así que se guardó como %2, no como %3.</translation>
    </message>
    <message>
        <source>A tone for this phone is a .%1 file, and %2 already exists.

Replace it?</source>
        <translation>Un tono para este teléfono es un archivo .%1, y %2 ya existe.

¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>Saving.......</source>
        <translation>Guardando.......</translation>
    </message>
    <message>
        <source>%1 was not saved: the encoder did not take the job (error code %2).</source>
        <translation>%1 no se guardó: el codificador no aceptó el trabajo (código de error %2).</translation>
    </message>
    <message>
        <source>Finish Save
%1
</source>
        <translation>Guardado terminado
%1
</translation>
    </message>
    <message>
        <source>
Send it to a phone now?</source>
        <translation>
¿Enviarlo ahora a un teléfono?</translation>
    </message>
    <message>
        <source>The ringtone is %1 long. An iPhone may not offer a ringtone longer than %2.

Save it anyway?</source>
        <translation>El tono de llamada dura %1. Puede que un iPhone no ofrezca un tono de llamada de más de %2.

¿Guardarlo de todos modos?</translation>
    </message>
    <message>
        <source>The ringtone is %1 long; an iPhone takes a ringtone of at most %2.

Save its first %2, with a fade-out, instead?</source>
        <translation>El tono de llamada dura %1; un iPhone admite un tono de llamada de %2 como mucho.

¿Guardar en su lugar sus primeros %2, con desvanecimiento al final?</translation>
    </message>
    <message>
        <source>The ringtone was not saved.

%1</source>
        <translation>El tono no se guardó.

%1</translation>
    </message>
</context>
<context>
    <name>SendToPhone</name>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Look Again</source>
        <translation>Buscar de nuevo</translation>
    </message>
    <message>
        <source>Send to Phone</source>
        <translation>Enviar al teléfono</translation>
    </message>
    <message>
        <source>Send %1 to:</source>
        <translation>Enviar %1 a:</translation>
    </message>
    <message>
        <source>Looking for phones...</source>
        <translation>Buscando teléfonos...</translation>
    </message>
    <message>
        <source>Sending to %1...</source>
        <translation>Enviando a %1...</translation>
    </message>
    <message>
        <source> Click &quot;Send&quot; again to replace it.</source>
        <translation> Para reemplazarlo, pulsa «Enviar» otra vez.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Cannot read the settings file %1</source>
        <translation>No se puede leer el archivo de ajustes %1</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1: it is too big.</source>
        <translation>No se puede leer el archivo de ajustes %1: es demasiado grande.</translation>
    </message>
    <message>
        <source>%1: not a plain file; left alone.</source>
        <translation>%1: no es un archivo normal; se deja como está.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Files opened with %1 from now on open a window of their own, because no private folder can be made in %2 for the socket that would take them.</source>
        <translation>A partir de ahora, los archivos abiertos con %1 abren una ventana propia, porque no se puede crear en %2 una carpeta privada para el socket que los recibiría.</translation>
    </message>
    <message>
        <source>Files opened with %1 from now on open a window of their own, because %2 cannot be written.</source>
        <translation>A partir de ahora, los archivos abiertos con %1 abren una ventana propia, porque no se puede escribir en %2.</translation>
    </message>
    <message>
        <source>Files opened with %1 from now on open a window of their own, because the name of their socket, %2, is taken by something that is not this user&apos;s.</source>
        <translation>A partir de ahora, los archivos abiertos con %1 abren una ventana propia, porque el nombre de su socket, %2, lo ocupa algo que no pertenece a este usuario.</translation>
    </message>
    <message>
        <source>Files opened with %1 from now on open a window of their own, because their socket cannot be made (%2).</source>
        <translation>A partir de ahora, los archivos abiertos con %1 abren una ventana propia, porque no se puede crear su socket (%2).</translation>
    </message>
</context>
<context>
    <name>SongGuide</name>
    <message>
        <source>Snap marks to</source>
        <translation>Ajustar marcas a</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Zero crossing</source>
        <translation>Paso por cero</translation>
    </message>
    <message>
        <source>Beat</source>
        <translation>Pulso</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Compás</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>As found</source>
        <translation>Detectado</translation>
    </message>
    <message>
        <source>Half</source>
        <translation>Mitad</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doble</translation>
    </message>
    <message>
        <source>Suggestions last</source>
        <translation>Las sugerencias duran</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Otro…</translation>
    </message>
    <message>
        <source>Other… (%1 s)</source>
        <translation>Otro… (%1 s)</translation>
    </message>
</context>
<context>
    <name>StartPlan</name>
    <message>
        <source>%1 is running but does not answer, and no folder of its own can be made for this window.</source>
        <translation>%1 está en ejecución pero no responde, y no se puede crear una carpeta propia para esta ventana.</translation>
    </message>
    <message>
        <source>%1 is running but did not take the files of this start, so this window works on its own, with its clips in %2.</source>
        <translation>%1 está en ejecución pero no aceptó los archivos de este inicio, así que esta ventana trabaja por su cuenta, con sus clips en %2.</translation>
    </message>
</context>
<context>
    <name>TakeRecorder</name>
    <message>
        <source>Couldn&apos;t start recording</source>
        <translation>No se pudo iniciar la grabación</translation>
    </message>
    <message>
        <source>There is no take to change.</source>
        <translation>No hay ninguna toma que cambiar.</translation>
    </message>
    <message>
        <source>Out of memory!</source>
        <translation>¡Memoria agotada!</translation>
    </message>
    <message>
        <source>The take has reached the largest size a WAV file can hold, so recording stopped. Everything recorded so far is kept.</source>
        <translation>La toma ha alcanzado el tamaño máximo que admite un archivo WAV, así que la grabación se detuvo. Se conserva todo lo grabado hasta ahora.</translation>
    </message>
    <message>
        <source>The sound server ended the recording. Everything recorded until then is kept.</source>
        <translation>El servidor de sonido terminó la grabación. Se conserva todo lo grabado hasta entonces.</translation>
    </message>
    <message>
        <source>%1: there is no finished take to save.</source>
        <translation>%1: no hay ninguna toma terminada que guardar.</translation>
    </message>
</context>
<context>
    <name>TakeSpool</name>
    <message>
        <source>%1 holds no recorded sound.</source>
        <translation>%1 no contiene sonido grabado.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>No se puede abrir %1.</translation>
    </message>
    <message>
        <source>%1 cannot be made a clip.</source>
        <translation>No se puede convertir %1 en un clip.</translation>
    </message>
</context>
<context>
    <name>Wav</name>
    <message>
        <source>%1: the sound ends before its header says.</source>
        <translation>%1: el sonido termina antes de lo que indica su cabecera.</translation>
    </message>
    <message>
        <source>Not a usable WAV file: %1.</source>
        <translation>No es un archivo WAV utilizable: %1.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>no RIFF/WAVE header</source>
        <translation>sin cabecera RIFF/WAVE</translation>
    </message>
    <message>
        <source>fmt chunk of %1 bytes</source>
        <translation>bloque fmt de %1 bytes</translation>
    </message>
    <message>
        <source>the fmt chunk is cut short</source>
        <translation>el bloque fmt está truncado</translation>
    </message>
    <message>
        <source>extensible fmt chunk of %1 bytes</source>
        <translation>bloque fmt extensible de %1 bytes</translation>
    </message>
    <message>
        <source>no fmt chunk</source>
        <translation>sin bloque fmt</translation>
    </message>
    <message>
        <source>no data chunk</source>
        <translation>sin bloque data</translation>
    </message>
    <message>
        <source>%1 channels, where 1 to %2 can be read</source>
        <translation>%1 canales, cuando se pueden leer de 1 a %2</translation>
    </message>
    <message>
        <source>a sample rate of %1 Hz, where 1 to %2 Hz can be read</source>
        <translation>una frecuencia de muestreo de %1 Hz, cuando se pueden leer de 1 a %2 Hz</translation>
    </message>
    <message>
        <source>zero block align</source>
        <translation>alineación de bloque igual a cero</translation>
    </message>
    <message>
        <source>Unsupported WAV sample format (code %1, %2 bits).</source>
        <translation>Formato de muestra WAV no admitido (código %1, %2 bits).</translation>
    </message>
    <message>
        <source>block align %1 does not match the format</source>
        <translation>la alineación de bloque %1 no coincide con el formato</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: no existe el archivo.</translation>
    </message>
    <message>
        <source>%1: not a file.</source>
        <translation>%1: no es un archivo.</translation>
    </message>
    <message>
        <source>%1: only 8- and 16-bit sound can be worked on here.</source>
        <translation>%1: aquí solo se puede trabajar con sonido de 8 y 16 bits.</translation>
    </message>
    <message>
        <source>Bad command &quot;%1&quot;: %2.</source>
        <translation>Orden incorrecta «%1»: %2.</translation>
    </message>
    <message>
        <source>unbalanced or misplaced quotes</source>
        <translation>comillas desparejadas o mal colocadas</translation>
    </message>
    <message>
        <source>no command</source>
        <translation>falta la orden</translation>
    </message>
    <message>
        <source>unknown command or wrong words</source>
        <translation>orden desconocida o palabras incorrectas</translation>
    </message>
    <message>
        <source>A file and an alias are needed.</source>
        <translation>Se necesitan un archivo y un alias.</translation>
    </message>
    <message>
        <source>Alias %1 is already open.</source>
        <translation>El alias %1 ya está abierto.</translation>
    </message>
    <message>
        <source>No sound is open as %1.</source>
        <translation>No hay ningún sonido abierto como %1.</translation>
    </message>
    <message>
        <source>Positions &quot;%1&quot; and &quot;%2&quot; are not whole milliseconds.</source>
        <translation>Las posiciones «%1» y «%2» no son milisegundos enteros.</translation>
    </message>
    <message>
        <source>Position %1 ms is after %2 ms.</source>
        <translation>La posición %1 ms está después de %2 ms.</translation>
    </message>
    <message>
        <source>%1: only 8- or 16-bit PCM sound can be saved, not %2-bit PCM.</source>
        <translation>%1: solo se puede guardar sonido PCM de 8 o 16 bits, no PCM de %2 bits.</translation>
    </message>
    <message>
        <source>%1: only 8- or 16-bit PCM sound can be saved, not %2-bit float.</source>
        <translation>%1: solo se puede guardar sonido PCM de 8 o 16 bits, no de coma flotante de %2 bits.</translation>
    </message>
    <message>
        <source>%1: the sound is too large for a WAV file.</source>
        <translation>%1: el sonido es demasiado grande para un archivo WAV.</translation>
    </message>
    <message>
        <source>%1: the file has changed since it was opened.</source>
        <translation>%1: el archivo ha cambiado desde que se abrió.</translation>
    </message>
    <message>
        <source>read failed</source>
        <translation>falló la lectura</translation>
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
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>%1: not a plain file in a plain folder; left alone.</source>
        <translation>%1: no es un archivo normal en una carpeta normal; se deja como está.</translation>
    </message>
    <message>
        <source>not a peak file</source>
        <translation>no es un archivo de picos</translation>
    </message>
    <message>
        <source>made from another version of the clip</source>
        <translation>hecho a partir de otra versión del clip</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>dañado</translation>
    </message>
    <message>
        <source>%1: too low a sample rate for a spectrogram.</source>
        <translation>%1: frecuencia de muestreo demasiado baja para un espectrograma.</translation>
    </message>
    <message>
        <source>not a spectrogram file</source>
        <translation>no es un archivo de espectrograma</translation>
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
        <translation>Las teclas Left y Right lo mueven; Up y Down eligen otro tiempo</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>Forma de onda</translation>
    </message>
    <message>
        <source>Stretch shown</source>
        <translation>Tramo mostrado</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Show the whole clip</source>
        <translation>Mostrar todo el clip</translation>
    </message>
    <message>
        <source>Sel</source>
        <translation>Sel</translation>
    </message>
    <message>
        <source>Zoom to the kept stretch</source>
        <translation>Ampliar al tramo conservado</translation>
    </message>
    <message>
        <source>Taller waveform</source>
        <translation>Onda más alta</translation>
    </message>
    <message>
        <source>Shorter waveform</source>
        <translation>Onda más baja</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>What the editor shows of the sound</source>
        <translation>Lo que el editor muestra del sonido</translation>
    </message>
    <message>
        <source>Picture of the sound</source>
        <translation>Imagen del sonido</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A mark&apos;s or the playhead&apos;s name, then its time.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 (kept length %2)</source>
        <translation>%1 (duración conservada %2)</translation>
    </message>
    <message>
        <source>Mark-in</source>
        <translation>Marca inicio</translation>
    </message>
    <message>
        <source>Mark-out</source>
        <translation>Marca fin</translation>
    </message>
    <message>
        <source>Playhead</source>
        <translation>Cabezal</translation>
    </message>
    <message>
        <source>samples</source>
        <extracomment>The ruler counts samples rather than time.</extracomment>
        <translation>muestras</translation>
    </message>
    <message>
        <source>Spectrogram being made…</source>
        <translation>Creando espectrograma…</translation>
    </message>
</context>
</TS>
