<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>cli</name>
    <message>
        <source>needs IN</source>
        <translation>necesita IN</translation>
    </message>
    <message>
        <source>Analysing</source>
        <translation>Analizando</translation>
    </message>
    <message>
        <source>tempo: %1 BPM</source>
        <translation>tempo: %1 BPM</translation>
    </message>
    <message>
        <source>beats (%1): %2</source>
        <translation>pulsos (%1): %2</translation>
    </message>
    <message>
        <source>bars (%1): %2</source>
        <translation>compases (%1): %2</translation>
    </message>
    <message>
        <source>no grid: %1</source>
        <translation>sin cuadrícula: %1</translation>
    </message>
    <message>
        <source>sections:</source>
        <translation>secciones:</translation>
    </message>
    <message>
        <source>suggestions (%1 s):</source>
        <translation>sugerencias (%1 s):</translation>
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
        <translation>uso: tunecarver-cli cleanup IN OUT [--no-trim] [--no-denoise] [--no-declick]
                           [--no-level | --lufs L]

Limpia una toma hablada de una vez y la escribe en OUT: quita el retumbe por debajo de
80 Hz y los clics, reduce el ruido constante de la sala (aprendido del medio segundo más
silencioso), recorta el silencio de ambos extremos a 200 ms de sala antes del primer
sonido y después del último, y lleva la voz a L LUFS (por defecto -16) con el pico
verdadero por debajo de -1 dBTP. Cada opción --no-... omite ese paso. IN es un archivo WAV
PCM de 8 o 16 bits de al menos medio segundo; OUT, un WAV del mismo formato, puede ser el
propio IN y solo se reemplaza cuando se ha escrito entero.</translation>
    </message>
    <message>
        <source>give --lufs or --no-level, not both</source>
        <translation>indique --lufs o --no-level, no ambos</translation>
    </message>
    <message>
        <source>needs IN and OUT</source>
        <translation>necesita IN y OUT</translation>
    </message>
    <message>
        <source>Cleaning up</source>
        <translation>Limpiando</translation>
    </message>
    <message>
        <source>Kept %1 s from %2 s on; the noise floor was %3 dBFS.</source>
        <translation>Se conservan %1 s a partir de %2 s; el ruido de fondo era de %3 dBFS.</translation>
    </message>
    <message>
        <source>failed with error code %1</source>
        <translation>falló con el código de error %1</translation>
    </message>
    <message>
        <source>tunecarver-cli %1: %2
Try &apos;tunecarver-cli %1 --help&apos;.</source>
        <translation>tunecarver-cli %1: %2
Pruebe &apos;tunecarver-cli %1 --help&apos;.</translation>
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
        <translation>uso: tunecarver-cli convert IN OUT [--bitrate K] [--lufs L] [--fade-out S]

Convierte un archivo; la extensión de OUT elige lo que se escribe. IN es cualquier
archivo que el programa lee (MP3, WAV, FLAC, OGG, M4A, …); más de dos canales se mezclan
en dos.
  .wav          un WAV PCM con cabecera de 44 bytes a la frecuencia y canales de IN
  .mp3          MP3 a K kbit/s de tasa constante (56, 96, 128 o 256)
  .m4r, .m4a    AAC-LC, 44100 Hz estéreo, K kbit/s, en un archivo MP4
  .ogg          Vorbis a unos K kbit/s
  .opus         Opus a K kbit/s, 48000 Hz
  .flac         FLAC, sin pérdida (sin --bitrate)
K es 128 salvo que --bitrate diga otra cosa. --lufs lleva el sonido a la sonoridad L
(EBU R128, con su pico verdadero por debajo de -1 dBTP) y --fade-out desvanece sus
últimos S segundos, antes de escribirlo. OUT solo se reemplaza cuando la conversión
funcionó.</translation>
    </message>
    <message>
        <source>--lufs takes a loudness from -70 to 0, --fade-out seconds</source>
        <translation>--lufs admite una sonoridad de -70 a 0, --fade-out segundos</translation>
    </message>
    <message>
        <source>no scratch folder can be made (%1)</source>
        <translation>no se puede crear una carpeta de trabajo (%1)</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli crop IN OUT --from MS --to MS [--verbose]

Keeps the stretch of IN from --from to --to (milliseconds from the start; default the
start and the end of IN) and writes it to OUT, by the same edit commands as the Done
button of the Audio Edit page. IN is an 8- or 16-bit PCM WAV file; OUT is a 44-byte-header
WAV of the same format and may be IN itself. OUT is replaced only when the crop worked.
--verbose prints the edit commands as they are sent.</source>
        <translation>uso: tunecarver-cli crop IN OUT --from MS --to MS [--verbose]

Conserva el tramo de IN desde --from hasta --to (milisegundos desde el principio; por
defecto el principio y el final de IN) y lo escribe en OUT, con las mismas órdenes de
edición que el botón «Recortar» de la página «Editar audio». IN es un archivo WAV PCM
de 8 o 16 bits; OUT es un WAV con cabecera de 44 bytes del mismo formato y puede ser el
propio IN.
OUT solo se reemplaza cuando el recorte funcionó.
--verbose imprime las órdenes de edición a medida que se envían.</translation>
    </message>
    <message>
        <source>--from and --to take whole milliseconds</source>
        <translation>--from y --to admiten milisegundos enteros</translation>
    </message>
    <message>
        <source>--from must come before --to</source>
        <translation>--from debe ir antes que --to</translation>
    </message>
    <message>
        <source>%1: --to %2 is past the end of the sound (%3 ms)</source>
        <translation>%1: --to %2 está después del final del sonido (%3 ms)</translation>
    </message>
    <message>
        <source>%1: no scratch folder can be made beside it (%2)</source>
        <translation>%1: no se puede crear una carpeta de trabajo a su lado (%2)</translation>
    </message>
    <message>
        <source>OUT must end in .wav, .mp3, .m4r, .m4a, .ogg, .opus or .flac</source>
        <translation>OUT debe terminar en .wav, .mp3, .m4r, .m4a, .ogg, .opus o .flac</translation>
    </message>
    <message>
        <source>--bitrate is not for %1 output</source>
        <translation>--bitrate no es para salida %1</translation>
    </message>
    <message>
        <source>--bitrate must be 56, 96, 128 or 256 for MP3</source>
        <translation>--bitrate debe ser 56, 96, 128 o 256 para MP3</translation>
    </message>
    <message>
        <source>--bitrate takes a whole number of kbit/s</source>
        <translation>--bitrate admite un número entero de kbit/s</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Codificando</translation>
    </message>
    <message>
        <source>%1: the encoder refused the job (error code %2)</source>
        <translation>%1: el codificador rechazó el trabajo (código de error %2)</translation>
    </message>
    <message>
        <source>Decoding</source>
        <translation>Decodificando</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli inputs

Lists the sound inputs of the sound server, one line each:
INDEX on|off LEVEL TYPE NAME. &quot;on&quot; marks the input a recording uses.</source>
        <translation>uso: tunecarver-cli inputs

Lista las entradas de sonido del servidor de sonido, una línea cada una:
ÍNDICE on|off NIVEL TIPO NOMBRE. «on» marca la entrada que usa una grabación.</translation>
    </message>
    <message>
        <source>takes no arguments</source>
        <translation>no admite argumentos</translation>
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
        <translation>uso: tunecarver-cli join OUT CLIP... [--bitrate K]

Une los clips, en el orden dado, como la página «Editar audio» guarda su lista: la cabecera
del primer clip con ambos tamaños puestos al sonido unido, y luego el sonido de cada clip.
Los clips son archivos WAV PCM de 8 o 16 bits; un clip cuya frecuencia, número de canales
o tamaño de muestra difiere del primero se convierte al formato del primero, los demás se
copian byte a byte. OUT terminado en .wav: el WAV unido. Cualquier otra extensión que
escribe &apos;convert&apos; (.mp3, .m4r, .m4a, .ogg, .opus, .flac): el sonido unido codificado como
lo codifica &apos;convert&apos;, a --bitrate K donde corresponda. OUT solo se reemplaza cuando todo
funcionó.</translation>
    </message>
    <message>
        <source>Joining</source>
        <translation>Uniendo</translation>
    </message>
    <message>
        <source>needs OUT and at least one CLIP</source>
        <translation>necesita OUT y al menos un CLIP</translation>
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
        <translation>uso: tunecarver-cli ORDEN [ARGUMENTOS]

KorvaNel Tunecarver en la línea de órdenes, con el mismo código que la ventana.

órdenes:
  convert IN OUT [--bitrate K]       decodificar IN a un WAV, o codificarlo (MP3, M4A,
                                     OGG, Opus, FLAC según la extensión de OUT)
  inputs                             listar las entradas de sonido
  record OUT --seconds S [--input I] [--start-on-sound DB [--pre-roll P]]
                                     grabar de una entrada a un WAV o un MP3, al
                                     instante o desde el primer sonido
  play FILE                          reproducir un archivo hasta su final
  crop IN OUT --from MS --to MS      conservar el tramo entre dos tiempos de un WAV
  join OUT CLIP... [--bitrate K]     unir clips WAV en orden en un solo archivo
  ringtone IN OUT [--target T]       un tono de llamada para iPhone (.m4r: menú
           [--title T] [--loop]      compartir, menos de 30 s, o Finder, hasta 40 s) o
           [--auto]                  Android (.ogg, .mp3), tan largo como se cortó, con
                                     título; --loop: sin costuras; --auto corta la
                                     primera sugerencia de &apos;analyse&apos;
  send FILE [--to N]                 enviar un tono de llamada a un teléfono (USB o
                                     KDE Connect)
  waveform IN OUT.json|OUT.png       el contorno de un sonido, como lo dibuja el editor
  fade IN OUT [--in S] [--out S]     aparecer y desvanecer un WAV
  gain IN OUT --db D                 hacer un WAV más fuerte o más suave
  normalise IN OUT [--lufs L]        llevar un WAV a una sonoridad (EBU R128)
  cleanup IN OUT [--no-trim] [--no-denoise] [--no-declick] [--lufs L]
                                     limpiar una toma hablada: retumbe, clics, el ruido
                                     de la sala, silencio en los extremos, sonoridad
  analyse IN [--json] [--length S]   tempo, pulsos, compases, secciones y las ventanas
                                     de tono de llamada que más vale escuchar primero

&apos;tunecarver-cli ORDEN --help&apos; dice más sobre una orden.</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli play FILE

Plays FILE (a WAV, or any file the program can decode) to its end on the sound
server&apos;s default output.</source>
        <translation>uso: tunecarver-cli play FILE

Reproduce FILE (un WAV, o cualquier archivo que el programa puede decodificar) hasta su
final en la salida predeterminada del servidor de sonido.</translation>
    </message>
    <message>
        <source>needs FILE</source>
        <translation>necesita FILE</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Reproduciendo</translation>
    </message>
    <message>
        <source>%1: playback stopped early</source>
        <translation>%1: la reproducción se detuvo antes de tiempo</translation>
    </message>
    <message>
        <source>%1: playback stopped early: the sound server stopped playing it (it may have gone away).</source>
        <translation>%1: la reproducción se detuvo antes de tiempo: el servidor de sonido dejó de reproducirlo (puede que ya no esté).</translation>
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
        <translation>uso: tunecarver-cli record OUT --seconds S [--input I]
                          [--start-on-sound DB [--pre-roll P]]

Graba S segundos (un número entero) a 44100 Hz, estéreo, 16 bits de la entrada I (un
índice de &apos;tunecarver-cli inputs&apos;; por defecto: la entrada que está activa) y guarda la
toma en OUT, un .wav o (mediante el codificador a 128 kbit/s) un .mp3. Si el servidor de
sonido termina la grabación antes, lo grabado hasta entonces se guarda igualmente y el
estado de salida es 1.

Con --start-on-sound la toma espera hasta que una muestra alcanza por primera vez DB dBFS
(-60 a 0; -40 va bien para una voz en una sala tranquila) y empieza ahí, con los P
segundos oídos antes de ese momento delante (0 a 2, por defecto 0.5); los S segundos
cuentan desde el sonido.</translation>
    </message>
    <message>
        <source>--start-on-sound takes -60 to 0</source>
        <translation>--start-on-sound admite de -60 a 0</translation>
    </message>
    <message>
        <source>--pre-roll takes 0 to 2</source>
        <translation>--pre-roll admite de 0 a 2</translation>
    </message>
    <message>
        <source>--pre-roll goes with --start-on-sound</source>
        <translation>--pre-roll va con --start-on-sound</translation>
    </message>
    <message>
        <source>needs OUT</source>
        <translation>necesita OUT</translation>
    </message>
    <message>
        <source>OUT must end in .wav or .mp3</source>
        <translation>OUT debe terminar en .wav o .mp3</translation>
    </message>
    <message>
        <source>--seconds S is needed, a whole number from 1 to %1</source>
        <translation>se necesita --seconds S, un número entero de 1 a %1</translation>
    </message>
    <message>
        <source>no input %1</source>
        <translation>no hay entrada %1</translation>
    </message>
    <message>
        <source>Waiting for sound…</source>
        <translation>Esperando sonido…</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabando</translation>
    </message>
    <message>
        <source>%1Nothing was recorded: %2 was not written.</source>
        <translation>%1No se grabó nada: %2 no se escribió.</translation>
    </message>
    <message>
        <source>The sound server ended the recording after %1 s. What was recorded until then is saved in %2.</source>
        <translation>El servidor de sonido terminó la grabación tras %1 s. Lo grabado hasta entonces está guardado en %2.</translation>
    </message>
    <message>
        <source>warning: %1: the tone is %2 long; an iPhone may not offer a ringtone longer than %3</source>
        <translation>aviso: %1: el tono dura %2; puede que un iPhone no ofrezca un tono de llamada de más de %3</translation>
    </message>
    <message>
        <source>%1: the tone is %2 long; an iPhone takes at most %3 (--trim saves its first %3)</source>
        <translation>%1: el tono dura %2; un iPhone admite como mucho %3 (--trim guarda sus primeros %3)</translation>
    </message>
    <message>
        <source>--lufs takes a loudness from -70 to 0, without --no-loudness</source>
        <translation>--lufs admite una sonoridad de -70 a 0, sin --no-loudness</translation>
    </message>
    <message>
        <source>--target is iphone, iphone-finder, android-ogg or android-mp3</source>
        <translation>--target es iphone, iphone-finder, android-ogg o android-mp3</translation>
    </message>
    <message>
        <source>OUT must end in .m4r, .ogg or .mp3</source>
        <translation>OUT debe terminar en .m4r, .ogg o .mp3</translation>
    </message>
    <message>
        <source>OUT must end in .%1 for --target %2</source>
        <translation>OUT debe terminar en .%1 para --target %2</translation>
    </message>
    <message>
        <source>--bitrate is for .mp3 only, and 56, 96, 128 or 256</source>
        <translation>--bitrate es solo para .mp3, y 56, 96, 128 o 256</translation>
    </message>
    <message>
        <source>%1: no stretch of sound to make a tone of</source>
        <translation>%1: no hay un tramo de sonido del que hacer un tono</translation>
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
        <translation>uso: tunecarver-cli send FILE [--to N] [--replace]
     tunecarver-cli send --list

Envía un tono de llamada a un teléfono, como lo hace «Enviar al teléfono» tras
«Guardar como tono»:
  USB          un teléfono Android conectado, desbloqueado y en «Transferencia de
               archivos»: FILE se copia en la carpeta Ringtones (creada si falta),
               donde la configuración de sonido del teléfono lo lista. Un archivo con
               ese nombre allí se conserva, salvo con --replace.
  KDE Connect  un teléfono emparejado con KDE Connect (con kdeconnect-cli instalado) y
               accesible: FILE se comparte con él. En un iPhone, ábralo y elija «Usar
               como tono».
Con un solo teléfono encontrado, FILE va a él; con varios, --to N nombra uno por su
número en --list.</translation>
    </message>
    <message>
        <source>--list takes no FILE</source>
        <translation>--list no admite FILE</translation>
    </message>
    <message>
        <source>--to takes a phone&apos;s number, from 1</source>
        <translation>--to admite el número de un teléfono, desde 1</translation>
    </message>
    <message>
        <source>%1 phones are connected: choose one with --to N</source>
        <translation>Hay %1 teléfonos conectados: elija uno con --to N</translation>
    </message>
    <message>
        <source>there is no phone %1; --list shows them</source>
        <translation>no hay teléfono %1; --list los muestra</translation>
    </message>
    <message>
        <source> (--replace replaces it)</source>
        <translation> (--replace lo reemplaza)</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli fade IN OUT [--in S] [--out S]

Fades IN in over its first S seconds and out over its last S seconds (default 1.0 each
when neither is given; 0 for none) with a smooth curve, and writes the result to OUT.
IN is an 8- or 16-bit PCM WAV file; OUT, a WAV of the same format, may be IN itself and
is replaced only when it was written whole.</source>
        <translation>uso: tunecarver-cli fade IN OUT [--in S] [--out S]

Hace aparecer IN durante sus primeros S segundos y lo desvanece durante sus últimos S
segundos (por defecto 1.0 cada uno si no se da ninguno; 0 para ninguno) con una curva
suave, y escribe el resultado en OUT. IN es un archivo WAV PCM de 8 o 16 bits; OUT, un
WAV del mismo formato, puede ser el propio IN y solo se reemplaza cuando se ha escrito
entero.</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli gain IN OUT --db D

Makes IN D decibels louder (or quieter for a negative D) and writes it to OUT. Samples
past full scale are held there and counted.</source>
        <translation>uso: tunecarver-cli gain IN OUT --db D

Hace IN D decibelios más fuerte (o más suave para una D negativa) y lo escribe en OUT.
Las muestras que pasan de la escala completa se quedan en ella y se cuentan.</translation>
    </message>
    <message>
        <source>usage: tunecarver-cli normalise IN OUT [--lufs L | --peak DB]

Brings IN to the loudness L (default -14 LUFS, measured by EBU R128) without letting its
true peak pass -1 dBTP, or with --peak its highest sample to DB dBFS, and writes it to
OUT. A sound shorter than 0.4 s is brought to a -1 dBFS peak. Silence is refused (exit
status 1) and OUT is left as it was.</source>
        <translation>uso: tunecarver-cli normalise IN OUT [--lufs L | --peak DB]

Lleva IN a la sonoridad L (por defecto -14 LUFS, medida según EBU R128) sin dejar que su
pico verdadero pase de -1 dBTP, o con --peak su muestra más alta a DB dBFS, y lo escribe
en OUT. Un sonido de menos de 0,4 s se lleva a un pico de -1 dBFS. El silencio se rechaza
(estado de salida 1) y OUT se deja como estaba.</translation>
    </message>
    <message>
        <source>--%1 takes a number</source>
        <translation>--%1 admite un número</translation>
    </message>
    <message>
        <source>--in and --out take seconds, 0 or more</source>
        <translation>--in y --out admiten segundos, 0 o más</translation>
    </message>
    <message>
        <source>needs --db D, from -%1 to %1</source>
        <translation>necesita --db D, de -%1 a %1</translation>
    </message>
    <message>
        <source>give --lufs or --peak, not both</source>
        <translation>indique --lufs o --peak, no ambos</translation>
    </message>
    <message>
        <source>--lufs takes a loudness from -70 to 0</source>
        <translation>--lufs admite una sonoridad de -70 a 0</translation>
    </message>
    <message>
        <source>--peak takes a level at or below 0 dBFS</source>
        <translation>--peak admite un nivel igual o inferior a 0 dBFS</translation>
    </message>
    <message>
        <source>%1 holds nothing but silence: there is nothing to bring up, and %2 is left as it was.</source>
        <translation>%1 no contiene más que silencio: no hay nada que subir, y %2 se deja como estaba.</translation>
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
        <translation>uso: tunecarver-cli waveform IN OUT [--samples-per-pixel N | --width W]
                             [--from MS --to MS] [--height H]

Escribe el contorno del sonido de IN (cualquier archivo que el programa lee) como lo
dibuja el editor: por columna de píxeles y canal, la muestra más baja y la más alta. OUT
terminado en .json recibe el formato JSON que leen los reproductores de forma de onda del
navegador (version 2, channels, sample_rate, samples_per_pixel, bits 16, length, data como
pares mín/máx, canales intercalados); OUT terminado en .png recibe una imagen de H píxeles
de alto (por defecto 120). N fotogramas forman una columna (por defecto 256), o el tramo
se reparte en W columnas. --from y --to (milisegundos) limitan el tramo. OUT solo se
reemplaza cuando se ha escrito entero.</translation>
    </message>
    <message>
        <source>OUT must end in .json or .png</source>
        <translation>OUT debe terminar en .json o .png</translation>
    </message>
    <message>
        <source>give --samples-per-pixel or --width, not both</source>
        <translation>indique --samples-per-pixel o --width, no ambos</translation>
    </message>
    <message>
        <source>the options take whole positive numbers</source>
        <translation>las opciones admiten números enteros positivos</translation>
    </message>
    <message>
        <source>--width and --height take 1 to %1</source>
        <translation>--width y --height admiten de 1 a %1</translation>
    </message>
    <message>
        <source>--from and --to must be within the sound (%1 ms)</source>
        <translation>--from y --to deben estar dentro del sonido (%1 ms)</translation>
    </message>
    <message>
        <source>--from must come before --to, within the sound</source>
        <translation>--from debe ir antes que --to, dentro del sonido</translation>
    </message>
    <message>
        <source>%1: the picture cannot be made</source>
        <translation>%1: no se puede hacer la imagen</translation>
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
        <translation>uso: tunecarver-cli analyse IN [--json] [--length S]

Encuentra la música de IN (cualquier archivo que el programa lee) como lo hace «Sugerir»
en el editor: su tempo, cada pulso, los compases, las secciones (A, B, C… una letra que
vuelve es la misma música; la que más se oye se toma por el estribillo) y las tres
ventanas de como mucho S segundos (5 a 60; por defecto 29.9) que más vale escuchar primero
como tono de llamada, cada una con tantos compases enteros como quepan, ninguna dos
compartiendo más de 2 s, con su motivo. Un sonido sin pulso estable no recibe cuadrícula
sino sus tramos más fuertes, diciendo por qué.

--json imprime un objeto, tiempos en segundos: {&quot;tempo_bpm&quot;: 123.0, &quot;tempo_segments&quot;:
[{&quot;start&quot;: s, &quot;end&quot;: s, &quot;bpm&quot;: 123.0}, ..] (uno por cada tramo de un mismo tempo; tempo_bpm
es el del más largo), &quot;beats&quot;: [..], &quot;bars&quot;: [..],
&quot;sections&quot;: [{&quot;start&quot;: s, &quot;end&quot;: s, &quot;label&quot;: &quot;A&quot;}, ..],
&quot;suggestions&quot;: [{&quot;start&quot;: s, &quot;end&quot;: s, &quot;reason&quot;: &quot;..&quot;}, ..]}.</translation>
    </message>
    <message>
        <source>--length takes seconds from 5 to 60</source>
        <translation>--length admite segundos de 5 a 60</translation>
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
        <translation>uso: tunecarver-cli ringtone IN OUT [--target T] [--title T] [--loop] [--trim]
                                 [--no-fade] [--bitrate K] [--lufs L | --no-loudness]
                                 [--auto [--length S]]

Hace un tono de llamada de IN como lo hace «Guardar como tono» en la página «Editar audio»,
para el teléfono que nombra --target (sin él, lo nombra la extensión de OUT: .m4r el menú
compartir):
  iphone         iPhone, menú compartir: AAC-LC, 44100 Hz estéreo, 128 kbit/s, en un
                 archivo MP4 (.m4r). El menú compartir admite sonidos de menos de 30 s:
                 el tono se corta a sus primeros 29,9 s, desvanecido, sin preguntar.
  iphone-finder  iPhone, Finder: el mismo archivo, para copiarlo con un ordenador. Un
                 tono de más de 30 s recibe un aviso con su duración; uno de más de 40 s
                 se rechaza, salvo que --trim guarde en su lugar sus primeros 40 s
                 (desvanecidos).
  android-ogg    Android: Vorbis a unos 128 kbit/s (.ogg).
  android-mp3    Android: MP3 a K kbit/s (56, 96, 128 o 256; por defecto 128) (.mp3).
La extensión de OUT debe ser la del destino. El tono contiene exactamente las muestras
cortadas. Se lleva a una sonoridad de -14 LUFS (--lufs L: a L; --no-loudness: se deja
como está), medida según EBU R128 con su pico verdadero por debajo de -1 dBTP. Los
últimos 0,5 s se desvanecen (--no-fade: no, salvo que el tono se corte). La etiqueta de
título es T (por defecto: el nombre del archivo IN sin su extensión); no se añade imagen.
--loop hace un tono en bucle sin costuras: sin desvanecido, y sus últimos 30 ms se funden
con su inicio para que la repetición del teléfono no dé saltos; un .ogg se lo indica a
Android (ANDROID_LOOP).
IN es cualquier archivo que el programa lee; OUT solo se reemplaza cuando todo funcionó.

--auto hace el tono de la primera ventana que sugiere &apos;tunecarver-cli analyse&apos; (el
estribillo, cortado en sus barras de compás), con tantos compases enteros como quepan en S
segundos (5 a 60; por defecto 29.9), y dice en stderr qué ventana tomó y por qué.</translation>
    </message>
    <message>
        <source>--length goes with --auto and takes seconds from 5 to 60</source>
        <translation>--length va con --auto y admite segundos de 5 a 60</translation>
    </message>
</context>
</TS>
