<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Versión de la aplicación:</translation>
    </message>
    <message>
        <source>kvraid.sys:</source>
        <translation>kvraid.sys:</translation>
    </message>
    <message>
        <source>kvcfg.sys:</source>
        <translation>kvcfg.sys:</translation>
    </message>
    <message>
        <source>kvbottom.sys:</source>
        <translation>kvbottom.sys:</translation>
    </message>
</context>
<context>
    <name>KV_ArrayForm</name>
    <message>
        <source>Volume  (JBOD)</source>
        <translation>Volumen  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (Bandas)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (Espejo)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (Bandas de espejos)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (Bandas con paridad)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (Bandas con doble paridad)</translation>
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
        <source>Disk </source>
        <translation>Disco </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Configuración no válida: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Sencillo</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Escriba un nombre de matriz de 30 caracteres como máximo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Nombre de la matriz</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Nombre no válido: el nombre de una matriz no puede coincidir con el de una matriz existente ni contener los caracteres siguientes: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Cuadro de diálogo</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Lista de discos:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ctrl Canal</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>En uso</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espacio libre</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Número de modelo</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Borrar metadatos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>No se han detectado discos con espacio libre. Para crear una matriz RAID, libere primero espacio en un disco existente o agregue otro disco al sistema.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Nombre no válido: el nombre de una matriz no puede coincidir con el de una matriz existente ni contener los caracteres siguientes: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Confirmar creación</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Advertencia: ha incluido un disco de repuesto en la matriz. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Advertencia: se han detectado unidades mezcladas. Para obtener el mejor rendimiento, no se recomienda mezclar unidades de rendimiento muy diferente. ¿Desea crearla de todos modos?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Error al crear</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
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
        <source>Uses</source>
        <translation>Usos</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espacio libre</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Mayor libre </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>RG</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Intercambio en caliente notificado</translation>
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
        <source>Firmware Version</source>
        <translation>Versión del firmware</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Opciones de la matriz</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Nombre de la matriz:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizada como:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacidad:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Capacidad máx.:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Capacidad máx.</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Opciones de caché:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Tamaño de etiqueta de caché:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Análisis de matriz en segundo plano</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Omitir inicialización  (no recomendado)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Conservar los datos existentes</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Creación con ceros</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Todos los NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Todos los SSD SATA</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Todos los HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Sin usar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Capacidad total</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Caché</translation>
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
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Confirme la eliminación de las matrices seleccionadas: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Confirmar acción</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Eliminando matrices...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Anular</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Propiedades del disco</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Caché de escritura diferida del disco:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Habilitar</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deshabilitar</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Lectura anticipada del disco:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>Sondeo SMART:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Habilitado</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deshabilitado</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Nota: habilitar la caché de escritura diferida del disco puede aumentar el riesgo de daños en los datos si falla la alimentación del sistema.</translation>
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
        <source>Write Back Cache</source>
        <translation>Caché de escritura diferida</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Lectura anticipada</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>Sondeo SMART</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Usos</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tipo de puerto</translation>
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
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> es un dispositivo NVMe y no se puede cambiar su configuración de caché de disco.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Matriz %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Matriz %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, en pausa</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 está sin conexión</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 se está reconstruyendo mientras el disco %2 notifica errores S.M.A.R.T.: un fallo más provocaría su pérdida</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>reconstruyendo en el disco %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>reconstruyendo, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 está en estado crítico: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>Estado de %1: %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 está en estado crítico: el disco %2 ha fallado</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 está en estado crítico</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 se está transformando: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 se está creando: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 se está borrando de forma segura: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1 tiene un miembro con fallo en el disco %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 ha perdido su último disco de repuesto</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>comprobación de coherencia</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>queda menos de un minuto</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>queda aproximadamente un minuto</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>queda aproximadamente %n hora</numerusform>
            <numerusform>quedan aproximadamente %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>queda aproximadamente %n minuto</numerusform>
            <numerusform>quedan aproximadamente %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>El controlador RAID no responde</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>El disco %1 notifica errores S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (y %n más)</numerusform>
            <numerusform>%1 (y %n más)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>No hay ninguna matriz configurada</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>La matriz está en buen estado</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>%n matriz en buen estado</numerusform>
            <numerusform>Las %n matrices están en buen estado</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>KV_HealthMonitor</name>
    <message>
        <source>&amp;Show %1</source>
        <translation>&amp;Mostrar %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 está en estado crítico</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 está sin conexión</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: la reconstrucción ha finalizado; la matriz vuelve a estar en buen estado</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: la transformación ha finalizado</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: la reconstrucción ha terminado; estado de la matriz: %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: la transformación ha terminado; estado de la matriz: %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>El disco de repuesto %1 ha sustituido a un miembro con fallo</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disco %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>El disco %1 ha fallado</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>El disco %1 notifica errores S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>%n matriz o disco ha cambiado: %1</numerusform>
            <numerusform>%n matrices o discos han cambiado: %1</numerusform>
        </translation>
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
        <translation>Transformar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Prioridad de la tarea</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Inicializar discos</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Borrar metadatos</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>Resumen S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Controladoras</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Guardar paquete de soporte...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Guardar la configuración, los registros y los informes S.M.A.R.T. en un solo archivo para el soporte técnico</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>Ce&amp;rrar en la bandeja del sistema</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Al cerrar la ventana, la consola sigue supervisando las matrices desde la bandeja del sistema.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>En pausa: no se estima el tiempo restante mientras la tarea espera.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>El tiempo restante se estima cuando se ha observado el progreso de la tarea durante un minuto.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>El disco ha fallado; el controlador lo notifica como %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>El disco notifica errores S.M.A.R.T.: sustitúyalo pronto.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Guardar paquete de soporte</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Archivos zip (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>El paquete de soporte se ha guardado en %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>No se pudo guardar el paquete de soporte en %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
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
        <source>Uses</source>
        <translation>Usos</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espacio libre</translation>
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
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>No se pudo leer la configuración; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>El disco %1 ya no está presente; no se ha cambiado nada. Cierre esta ventana y vuelva a abrirla para ver los discos en su estado actual.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Lista de discos:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Consultar los datos S.M.A.R.T. seleccionados</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 a  %2 d  %3 h</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 d  %2 h</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>No se puede obtener</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
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
        <source>Power on Hours</source>
        <translation>Horas de funcionamiento</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Ciclos de encendido</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Temperatura (Celsius)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: no hay ninguna pantalla en la que abrir la ventana (no están definidas ni DISPLAY ni WAYLAND_DISPLAY); velmora-cli ofrece los comandos de la consola en un terminal.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Prioridad actual de la tarea &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Use el control deslizante para elegir una nueva prioridad para la tarea &apos;%1&apos; de la matriz &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Nueva prioridad: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Confirmar transformación</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Advertencia: ha incluido un disco de repuesto en la matriz. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Advertencia: esta transformación de matriz incluye un dispositivo intercambiable en caliente. Al terminar la transformación habrá que reiniciar el sistema para notificar al sistema operativo los cambios en los dispositivos de la matriz. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Confirmar creación</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Advertencia: se han detectado unidades mezcladas. Para obtener el mejor rendimiento, no se recomienda mezclar unidades de rendimiento muy diferente. ¿Desea crearla de todos modos?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Error en el comando de transformación</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformar</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
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
        <source>Uses</source>
        <translation>Usos</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espacio libre</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Mayor libre </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>RG</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Intercambio en caliente notificado</translation>
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
        <source>Firmware Version</source>
        <translation>Versión del firmware</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Opciones de la matriz</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizada como:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Capacidad actual:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacidad:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Capacidad máx.:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Capacidad máx.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Todos los NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Todos los SSD SATA</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Todos los HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Sin usar</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Cuadro de diálogo</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Asignar como disco de repuesto dedicado</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Asignar como disco de repuesto global</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Identificar el disco con los LED</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Extraer dispositivo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Preparar para extraer</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Quitar como disco de repuesto global</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Quitar como disco de repuesto dedicado</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>No se pudo leer la configuración; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>El disco %1 ya no está presente; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Confirmar asignación de disco de repuesto</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Advertencia: se han detectado unidades mezcladas. Para obtener el mejor rendimiento, no se recomienda mezclar unidades de rendimiento muy diferente. ¿Desea continuar con la asignación del disco de repuesto?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Identificar disco</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Los LED del disco seleccionado están encendidos. Haga clic en &apos;Aceptar&apos; para dejar de identificar.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Estado de la extracción del dispositivo</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Cuadro de diálogo</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Lista de discos:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ctrl Canal</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>En uso</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espacio libre</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Número de modelo</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Sin inicializar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Inicializar selección</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Opciones de la matriz</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Nombre de la matriz:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizada como:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacidad:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Capacidad máx.:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Capacidad máx.</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Opciones de caché:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Tamaño de etiqueta de caché:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Análisis de matriz en segundo plano</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Omitir inicialización  (no recomendado)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Conservar los datos existentes</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Creación con ceros</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Todos los NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Todos los SSD SATA</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Todos los HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Sin usar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Caché de lectura + escritura diferida</translation>
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
        <source>No Cache</source>
        <translation>Sin caché</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>64 KB</source>
        <translation>64 KB</translation>
    </message>
    <message>
        <source>128 KB</source>
        <translation>128 KB</translation>
    </message>
    <message>
        <source>256 KB</source>
        <translation>256 KB</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
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
        <source>Uses</source>
        <translation>Usos</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espacio libre</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Mayor libre </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>RG</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Intercambio en caliente notificado</translation>
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
        <source>Firmware Version</source>
        <translation>Versión del firmware</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Lista de controladoras:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Número de puertos</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>Id. de proveedor PCI</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>Id. de dispositivo PCI</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>Id. de subproveedor PCI</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>Id. de subdispositivo PCI</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Ranura</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
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
        <translation>Opciones de la matriz</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizada como:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Capacidad actual:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacidad:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Capacidad máx.:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Capacidad máx.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Todos los NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Todos los SSD SATA</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Todos los HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Sin usar</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
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
        <source>Uses</source>
        <translation>Usos</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espacio libre</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Mayor libre </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>RG</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Intercambio en caliente notificado</translation>
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
        <source>Firmware Version</source>
        <translation>Versión del firmware</translation>
    </message>
</context>
</TS>
