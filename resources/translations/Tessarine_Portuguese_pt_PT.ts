<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
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
        <translation>PRONTA</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>CRÍTICO</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>OFFLINE</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>DESATUALIZADA</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>CACHE OFFLINE</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>BLOQUEADA</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>DESCONHECIDO</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Sem erros</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Com falha</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Com falha, offline</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>INATIVA</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>TRANSFORMAÇÃO</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>CRIAÇÃO</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>VERIFICAÇÃO</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>CÓPIA</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>RECONSTRUÇÃO</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>VERIFICAÇÃO DE BITMAP</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>GRAVAÇÃO DE BITMAP</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>APAGAMENTO SEGURO</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>MOVIMENTAÇÃO DE PÁGINAS</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>MOVIMENTAÇÃO DE CAMADA</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>CRIAÇÃO COM ZEROS</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>INICIADA</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PAUSADA</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>DESLIGADA</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FALHOU</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>INTERROMPIDA</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>CONCLUÍDA</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>REMOVIDA</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>NÃO CONCLUÍDA</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Muito baixa</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Informativo</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Crítico</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Fatal</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Matriz</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Criar</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Criar uma matriz RAID</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformar</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Transformar uma matriz RAID existente</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Verificação de consistência</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Análise da matriz em segundo plano</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Modificar configurações de cache</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Sem cache</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Cache de leitura</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Cache de escrita diferida</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Cache de leitura + escrita diferida</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tarefa</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridade</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Alterar o nome da matriz selecionada</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Ocultar ou mostrar uma matriz existente</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Identificar matriz</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Acender os LEDs da matriz selecionada</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>&amp;Preparar para remoção</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Tornar a matriz invisível para o sistema operativo para prepará-la para remoção</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Remover discos de reserva</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Remover todos os discos de reserva dedicados atribuídos a esta matriz</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Eliminar uma matriz RAID existente</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Eliminar &amp;várias matrizes</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Selecionar várias matrizes RAID existentes para eliminação</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>Apagamento &amp;seguro</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Apagar com segurança uma matriz RAID existente</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Disco</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Verificar novamente</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Verificar novamente todos os canais para detetar discos físicos e matrizes novos ou removidos.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Inicializar</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Limpar metadados</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriedades</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>Visão geral &amp;S.M.A.R.T.</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) é um sistema de monitorização da própria unidade que detecta e relata vários indicadores de sua confiabilidade.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Gerir os discos de reserva do disco selecionado.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Atualizar</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Registo da aplicação</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Ver o registo da aplicação.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Ver &amp;controladores</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Ver a lista de controladores</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>Visualizador de &amp;eventos</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Recolher o visualizador de eventos</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Alterar o tema de cores da aplicação</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>Tamanho dos &amp;ícones</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Alterar o tamanho dos ícones da aplicação</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeno</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>Tamanho da &amp;fonte</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Alterar o tamanho da fonte da aplicação</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Ver as versões da aplicação e dos drivers RAID</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guia do utilizador</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Ligação para o guia do utilizador</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>Su&amp;porte</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Ligação para o site de suporte da OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;EULA</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Ver o Contrato de Licença do Utilizador Final (EULA).</translation>
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
        <translation>Tipo de porta</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacidade</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espaço livre</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Maior livre</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Reserva global</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Hot swap notificado</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Usos</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Número do modelo</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revisão do firmware</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Nome no SO</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partição</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Nome da matriz</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Capacidade total</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Estado da tarefa</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Pri.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Análise</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
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
        <translation>Reserva ded.</translation>
    </message>
    <message>
        <source>#</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
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
        <translation>EULA</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Oculta)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Origem)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Destino)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Discos de reserva dedicados</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Não foi possível encontrar o driver RAID kvcfg. Verifique se todos os drivers RAID necessários estão instalados; caso contrário, a aplicação não funcionará.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>Não foi possível encontrar os drivers RAID da OXV. Verifique se o RAID está ativado nas configurações do BIOS.

No modo AHCI/nativo, nada precisa ser feito. Encerrando a aplicação.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Execute a aplicação como administrador.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Executando esta aplicação com seus privilégios de utilizador atuais, você não poderá:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Executar comandos destrutivos.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Ver as partições das matrizes e as informações da matriz do sistema.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Notificação de evento</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Mostra a taxa atual em MB por segundo entre o sistema operativo e o driver OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Mostra a taxa atual em MB por segundo entre o driver OXV-RAID e o dispositivo de armazenamento.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Mostra as E/S por segundo atuais entre o sistema operativo e o driver OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Mostra as E/S por segundo atuais entre o driver OXV-RAID e os dispositivos de armazenamento.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Mostra o total de bytes entre o sistema operativo e o driver OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Mostra o total de bytes entre o driver OXV-RAID e o dispositivo de armazenamento.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Pretende executar &quot;%1&quot; na matriz %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Esta operação tornará a matriz invisível para o sistema operativo e pode causar PERDA DE DADOS. Pretende continuar com a preparação para remoção?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Remover todos os discos de reserva da matriz %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Pretende eliminar a matriz %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>AVISO: todos os dados serão perdidos de forma irrecuperável. Continuar com o apagamento seguro da matriz %1 &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>A cache de escrita diferida ativada pode aumentar o risco de corrupção de dados se o sistema se desligar inesperadamente. Pretende ativá-la?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> está bloqueada e não pode ser transformada até ser desbloqueada.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> está bloqueada e a verificação de consistência não pode ser iniciada até ser desbloqueada.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> está bloqueada e a verificação de consistência não pode ser interrompida até ser desbloqueada.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> está bloqueada e a análise da matriz em segundo plano não pode ser iniciada até ser desbloqueada.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> está bloqueada e a análise da matriz em segundo plano não pode ser interrompida até ser desbloqueada.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> está bloqueada e a cache não pode ser alterada até ser desbloqueada.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> está bloqueada e a prioridade da tarefa não pode ser alterada até ser desbloqueada.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> está bloqueada e nenhuma tarefa pode ser retomada até ser desbloqueada.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> está bloqueada e nenhuma tarefa pode ser pausada até ser desbloqueada.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> está bloqueada e nenhuma tarefa pode ser removida até ser desbloqueada.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> está bloqueada e não pode ser renomeada até ser desbloqueada.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> está bloqueada e não pode ser ocultada até ser desbloqueada.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> está bloqueada e não pode ser identificada até ser desbloqueada.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> está bloqueada e não pode ser preparada para remoção até ser desbloqueada.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> está bloqueada e os discos de reserva não podem ser removidos até ser desbloqueada.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> está bloqueada e não pode ser eliminada até ser desbloqueada.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> está bloqueada e não pode ser apagada com segurança até ser desbloqueada.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Confirmar ação</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Nova verificação em curso...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Eliminação em curso...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Apagamento seguro em curso...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Falha na operação</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>A matriz selecionada se sobrepõe a outra matriz. Operação cancelada.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Problema ao ejetar o dispositivo SCSI da matriz OXV %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Este dispositivo está em uso. Feche os programas ou janelas que possam estar usando-o e tente novamente.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Remoção da matriz</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>A matriz %1 foi removida da configuração; os dispositivos foram desligados e já podem ser removidos fisicamente do sistema. É importante não VERIFICAR NOVAMENTE OS DISCOS até que todos os discos da matriz tenham sido desligados</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Os LEDs dos discos da matriz selecionada estão acesos. Clique em &apos;OK&apos; para parar a identificação.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>O número total de matrizes é limitado a %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>O driver RAID não está respondendo. As listas mostram a configuração lida às %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>O driver RAID não está respondendo. Não foi possível ler nenhuma configuração.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>O console não consegue determinar quais matrizes contêm o sistema operativo: Eliminar, Apagamento seguro, Ocultar e Preparar para remoção não estão disponíveis.</translation>
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
        <translation>Verificar novamente</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Unidade inserida</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>Um controlador RAID detetou a inserção de uma nova unidade. Para colocar a unidade online, é necessário VERIFICAR NOVAMENTE o controlador. Se a unidade fizer parte de uma matriz de várias unidades, verifique novamente apenas depois de inserir a última unidade da matriz. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Unidade removida</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>Um controlador RAID detetou a remoção de uma unidade de disco. Para remover a unidade definitivamente e sincronizar a configuração, é necessário verificar novamente. Se a unidade fizer parte de uma matriz que está a ser colocada offline, NÃO VERIFIQUE NOVAMENTE até que a última unidade da matriz tenha sido removida.</translation>
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
        <translation>Aceitar</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Contrato de Licença do Utilizador Final</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Não foi possível carregar o texto do contrato de licença.</translation>
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
