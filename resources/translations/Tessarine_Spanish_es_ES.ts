<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>KV_ArrayForm</name>
    <message>
        <source>Volume  (JBOD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>LISTA</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>CRÍTICO</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>SIN CONEXIÓN</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>OBSOLETA</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>CACHÉ SIN CONEXIÓN</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>BLOQUEADA</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>DESCONOCIDO</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Sin errores</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Con fallo</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Con fallo, sin conexión</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>INACTIVA</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>TRANSFORMACIÓN</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>CREACIÓN</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>COMPROBACIÓN</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIA</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>RECONSTRUCCIÓN</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>COMPROBACIÓN DE MAPA DE BITS</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>VACIADO DE MAPA DE BITS</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>BORRADO SEGURO</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>MOVIMIENTO DE PÁGINAS</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>MOVIMIENTO DE NIVEL</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>CREACIÓN CON CEROS</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>INICIADA</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>EN PAUSA</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>APAGADA</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>DETENIDA</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>COMPLETADA</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>QUITADA</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>NO COMPLETADA</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Muy baja</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Crítico</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Grave</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Matriz</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Crear</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Crear una matriz RAID</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformar</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Transformar una matriz RAID existente</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Comprobación de coherencia</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Análisis de matriz en segundo plano</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Modificar la configuración de caché</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Sin caché</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Caché de lectura</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Caché de escritura diferida</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Caché de lectura + escritura diferida</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Cambiar el nombre de la matriz seleccionada</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Ocultar o mostrar una matriz existente</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Identificar matriz</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Encender los LED de la matriz seleccionada</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>&amp;Preparar para extraer</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Hacer que la matriz sea invisible para el sistema operativo a fin de prepararla para la extracción</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Quitar discos de repuesto</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Quitar todos los discos de repuesto dedicados asignados a esta matriz</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Eliminar una matriz RAID existente</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Eliminar &amp;varias matrices</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Seleccionar varias matrices RAID existentes para eliminarlas</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>&amp;Borrado seguro</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Borrar de forma segura una matriz RAID existente</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Disco</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Volver a examinar</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Volver a examinar todos los canales para detectar discos físicos y matrices nuevos o quitados.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Inicializar</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Borrar metadatos</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propiedades</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>Resumen &amp;S.M.A.R.T.</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) es un sistema de supervisión integrado en la unidad que detecta y notifica diversos indicadores de su fiabilidad.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Administrar los discos de repuesto del disco seleccionado.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>Registro de la a&amp;plicación</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Ver el registro de la aplicación.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Ver &amp;controladoras</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Ver la lista de controladoras</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>Vista de &amp;eventos</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Contraer la vista de eventos</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Cambiar el tema de colores de la aplicación</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>Tamaño de &amp;iconos</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Cambiar el tamaño de los iconos de la aplicación</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>Tamaño de &amp;fuente</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Cambiar el tamaño de fuente de la aplicación</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Mostrar las versiones de la aplicación y de los controladores RAID</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Vínculo a la guía del usuario</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Soporte técnico</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Vínculo al sitio de soporte técnico de OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>C&amp;LUF</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Ver el contrato de licencia para el usuario final (CLUF).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tipo de puerto</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacidad</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espacio libre</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Mayor libre</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Repuesto global</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Intercambio en caliente notificado</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Usos</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Número de modelo</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revisión del firmware</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Nombre en el SO</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partición</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Nombre de la matriz</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Capacidad total</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Estado de la tarea</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Pri.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Caché</translation>
    </message>
    <message>
        <source>CTS</source>
        <translation>CTS</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Ded Spare</source>
        <translation>Rep. dedicado</translation>
    </message>
    <message>
        <source>#</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>CLUF</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Oculta)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Origen)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Destino)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Discos de repuesto dedicados</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>No se encuentra el controlador RAID kvcfg. Compruebe que estén instalados todos los controladores RAID necesarios; de lo contrario, la aplicación no funcionará.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>No se encuentran los controladores RAID de OXV. Compruebe que RAID esté habilitado en la configuración del BIOS.

En modo AHCI/nativo no es necesario hacer nada. Cerrando la aplicación.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Ejecute la aplicación como administrador.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Mientras ejecute esta aplicación con sus privilegios de usuario actuales no podrá:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Ejecutar comandos destructivos.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Ver las particiones de las matrices y la información de la matriz del sistema.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Notificación de evento</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Muestra el rendimiento actual en MB por segundo entre el sistema operativo y el controlador OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Muestra el rendimiento actual en MB por segundo entre el controlador OXV-RAID y el dispositivo de almacenamiento.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Muestra las E/S por segundo actuales entre el sistema operativo y el controlador OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Muestra las E/S por segundo actuales entre el controlador OXV-RAID y los dispositivos de almacenamiento.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Muestra el total de bytes entre el sistema operativo y el controlador OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Muestra el total de bytes entre el controlador OXV-RAID y el dispositivo de almacenamiento.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>¿Desea ejecutar «%1» en la matriz %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Esta operación hará que la matriz sea invisible para el sistema operativo y puede provocar PÉRDIDA DE DATOS. ¿Desea continuar con la preparación para la extracción?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>¿Quitar todos los discos de repuesto de la matriz %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>¿Desea eliminar la matriz %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>ADVERTENCIA: todos los datos se perderán de forma irrecuperable. ¿Continuar con el borrado seguro de la matriz %1 &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>La caché de escritura diferida puede aumentar el riesgo de daños en los datos si el sistema se apaga de forma inesperada. ¿Desea habilitarla?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> está bloqueada y no se puede transformar hasta que se desbloquee.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> está bloqueada y no se puede iniciar una comprobación de coherencia hasta que se desbloquee.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> está bloqueada y no se puede detener la comprobación de coherencia hasta que se desbloquee.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> está bloqueada y no se puede iniciar un análisis de matriz en segundo plano hasta que se desbloquee.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> está bloqueada y no se puede detener el análisis de matriz en segundo plano hasta que se desbloquee.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> está bloqueada y no se puede cambiar su caché hasta que se desbloquee.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> está bloqueada y no se puede cambiar la prioridad de su tarea hasta que se desbloquee.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> está bloqueada y no se puede reanudar ninguna tarea hasta que se desbloquee.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> está bloqueada y no se puede pausar ninguna tarea hasta que se desbloquee.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> está bloqueada y no se puede quitar ninguna tarea hasta que se desbloquee.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> está bloqueada y no se puede cambiar su nombre hasta que se desbloquee.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> está bloqueada y no se puede ocultar hasta que se desbloquee.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> está bloqueada y no se puede identificar hasta que se desbloquee.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> está bloqueada y no se puede preparar para la extracción hasta que se desbloquee.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> está bloqueada y no se pueden quitar sus discos de repuesto hasta que se desbloquee.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> está bloqueada y no se puede eliminar hasta que se desbloquee.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> está bloqueada y no se puede borrar de forma segura hasta que se desbloquee.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Confirmar acción</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Nuevo examen en curso...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Eliminación en curso...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Borrado seguro en curso...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Error en la operación</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>La matriz seleccionada se solapa con otra matriz. Operación cancelada.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Problema al expulsar el dispositivo SCSI de la matriz OXV %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Este dispositivo está en uso. Cierre los programas o ventanas que puedan estar usándolo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Extracción de la matriz</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>La matriz %1 se ha quitado de la configuración; sus dispositivos están desconectados y ya se pueden extraer físicamente del sistema. Es importante no VOLVER A EXAMINAR LOS DISCOS hasta que se hayan desconectado todos los discos de la matriz</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Los LED de los discos de la matriz seleccionada están encendidos. Haga clic en &apos;Aceptar&apos; para dejar de identificar.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>El número total de matrices está limitado a %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>El controlador RAID no responde. Las listas muestran la configuración leída a las %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>El controlador RAID no responde. No se pudo leer ninguna configuración.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>La consola no puede determinar qué matrices contienen el sistema operativo: Eliminar, Borrado seguro, Ocultar y Preparar para extraer no están disponibles.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Matriz </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disco </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Volver a examinar</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Unidad insertada</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>Una controladora RAID ha detectado la inserción de una unidad nueva. Para poner la unidad en línea hay que VOLVER A EXAMINAR la controladora. Si la unidad forma parte de una matriz de varias unidades, vuelva a examinar solo después de insertar la última unidad de la matriz. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Unidad extraída</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>Una controladora RAID ha detectado la extracción de una unidad de disco. Para quitar la unidad definitivamente y sincronizar la configuración hay que volver a examinar. Si la unidad forma parte de una matriz que se está desconectando, NO VUELVA A EXAMINAR hasta haber extraído la última unidad de la matriz.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>createDialog</name>
    <message>
        <source>Array Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>128 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>256 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Contrato de licencia para el usuario final</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>No se pudo cargar el texto del contrato de licencia.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
