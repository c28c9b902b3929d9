<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Categories</name>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Ligero</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>&amp;Heavry</source>
        <translation>&amp;Pesado</translation>
    </message>
    <message>
        <source>&amp;Veray Heavy</source>
        <translation>M&amp;uy pesado</translation>
    </message>
    <message>
        <source>&amp;Input Axles</source>
        <translation>&amp;Introducir ejes</translation>
    </message>
</context>
<context>
    <name>Details</name>
    <message>
        <source>concrete shoulder</source>
        <translation>bermas de concreto</translation>
    </message>
    <message>
        <source>no concrete shoulder</source>
        <translation>sin bermas de concreto</translation>
    </message>
    <message>
        <source>doweled joints</source>
        <translation>juntas con pasadores</translation>
    </message>
    <message>
        <source>aggregate-interlock joints</source>
        <translation>juntas por trabazón de agregados</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Ilimitadas</translation>
    </message>
    <message>
        <source>single</source>
        <translation>sencillo</translation>
    </message>
    <message>
        <source>tandem</source>
        <translation>tándem</translation>
    </message>
    <message>
        <source>Model units, fatigue part: %1. Erosion part: %2</source>
        <translation>Unidades del modelo, parte de fatiga: %1. Parte de erosión: %2</translation>
    </message>
    <message>
        <source>Model units: %1</source>
        <translation>Unidades del modelo: %1</translation>
    </message>
    <message>
        <source>design load (kN)</source>
        <translation>carga de diseño (kN)</translation>
    </message>
    <message>
        <source>radius of relative stiffness (cm)</source>
        <translation>radio de rigidez relativa (cm)</translation>
    </message>
    <message>
        <source>equivalent stress Se (kPa)</source>
        <translation>esfuerzo equivalente Se (kPa)</translation>
    </message>
    <message>
        <source>deflection w (mm)</source>
        <translation>deflexión w (mm)</translation>
    </message>
    <message>
        <source>axle</source>
        <translation>eje</translation>
    </message>
    <message>
        <source>row</source>
        <translation>fila</translation>
    </message>
    <message>
        <source>design load (kips)</source>
        <translation>carga de diseño (kips)</translation>
    </message>
    <message>
        <source>expected repetitions</source>
        <translation>repeticiones esperadas</translation>
    </message>
    <message>
        <source>radius of relative stiffness (in)</source>
        <translation>radio de rigidez relativa (in)</translation>
    </message>
    <message>
        <source>load factor f1</source>
        <translation>factor de carga f1</translation>
    </message>
    <message>
        <source>moment term M</source>
        <translation>término de momento M</translation>
    </message>
    <message>
        <source>factor f2</source>
        <translation>factor f2</translation>
    </message>
    <message>
        <source>equivalent stress Se (psi)</source>
        <translation>esfuerzo equivalente Se (psi)</translation>
    </message>
    <message>
        <source>stress ratio</source>
        <translation>relación de esfuerzos</translation>
    </message>
    <message>
        <source>allowable fatigue repetitions</source>
        <translation>repeticiones permisibles por fatiga</translation>
    </message>
    <message>
        <source>fatigue %</source>
        <translation>daño por fatiga %</translation>
    </message>
    <message>
        <source>deflection w (in)</source>
        <translation>deflexión w (in)</translation>
    </message>
    <message>
        <source>power P&apos;</source>
        <translation>potencia P&apos;</translation>
    </message>
    <message>
        <source>factor C1</source>
        <translation>factor C1</translation>
    </message>
    <message>
        <source>erosion factor</source>
        <translation>factor de erosión</translation>
    </message>
    <message>
        <source>allowable erosion repetitions</source>
        <translation>repeticiones permisibles por erosión</translation>
    </message>
    <message>
        <source>erosion %</source>
        <translation>daño por erosión %</translation>
    </message>
</context>
<context>
    <name>Inputs</name>
    <message>
        <source>per 1000 trucks</source>
        <translation>por cada 1000 camiones</translation>
    </message>
    <message>
        <source>Trial slab thickness h</source>
        <translation>Espesor de prueba h de la losa</translation>
    </message>
    <message>
        <source>The trial thickness h</source>
        <translation>El espesor de prueba h</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centímetros</translation>
    </message>
    <message>
        <source>Modulus of subgrade reaction k on top of the subbase</source>
        <translation>Módulo de reacción de la subrasante k sobre la subbase</translation>
    </message>
    <message>
        <source>The subgrade modulus k</source>
        <translation>El módulo de reacción de la subrasante k</translation>
    </message>
    <message>
        <source>psi per inch</source>
        <translation>psi por pulgada</translation>
    </message>
    <message>
        <source>kPa per millimetre</source>
        <translation>kPa por milímetro</translation>
    </message>
    <message>
        <source>Modulus of rupture Sc of the concrete</source>
        <translation>Módulo de ruptura Sc del concreto</translation>
    </message>
    <message>
        <source>The modulus of rupture Sc</source>
        <translation>El módulo de ruptura Sc</translation>
    </message>
    <message>
        <source>Average daily traffic ADT</source>
        <translation>Tránsito promedio diario ADT</translation>
    </message>
    <message>
        <source>The average daily traffic ADT</source>
        <translation>El tránsito promedio diario ADT</translation>
    </message>
    <message>
        <source>vehicles per day in both directions</source>
        <translation>vehículos por día en ambos sentidos</translation>
    </message>
    <message>
        <source>Proportion of trucks TD</source>
        <translation>Porcentaje de camiones TD</translation>
    </message>
    <message>
        <source>The proportion of trucks TD</source>
        <translation>El porcentaje de camiones TD</translation>
    </message>
    <message>
        <source>percent of ADT</source>
        <translation>por ciento del ADT</translation>
    </message>
    <message>
        <source>Direction distribution DD</source>
        <translation>Distribución por sentido DD</translation>
    </message>
    <message>
        <source>The direction distribution DD</source>
        <translation>La distribución por sentido DD</translation>
    </message>
    <message>
        <source>percent of the trucks in the design direction</source>
        <translation>por ciento de los camiones en el sentido de diseño</translation>
    </message>
    <message>
        <source>Lane distribution LD</source>
        <translation>Distribución por carril LD</translation>
    </message>
    <message>
        <source>The lane distribution LD</source>
        <translation>La distribución por carril LD</translation>
    </message>
    <message>
        <source>percent of the design direction&apos;s trucks in the design lane</source>
        <translation>por ciento de los camiones del sentido de diseño en el carril de diseño</translation>
    </message>
    <message>
        <source>Annual growth rate i of the traffic</source>
        <translation>Tasa de crecimiento anual i del tránsito</translation>
    </message>
    <message>
        <source>The annual growth rate i</source>
        <translation>La tasa de crecimiento anual i</translation>
    </message>
    <message>
        <source>Growth rate</source>
        <translation>Tasa de crecimiento</translation>
    </message>
    <message>
        <source>percent per year</source>
        <translation>por ciento por año</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Años</translation>
    </message>
    <message>
        <source>Design period</source>
        <translation>Periodo de diseño</translation>
    </message>
    <message>
        <source>The design period</source>
        <translation>El periodo de diseño</translation>
    </message>
    <message>
        <source>years</source>
        <translation>años</translation>
    </message>
    <message>
        <source>Load safety factor LSF</source>
        <translation>Factor de seguridad de carga LSF</translation>
    </message>
    <message>
        <source>The load safety factor LSF</source>
        <translation>El factor de seguridad de carga LSF</translation>
    </message>
    <message>
        <source>a multiplier on every axle load</source>
        <translation>un multiplicador de cada carga por eje</translation>
    </message>
    <message>
        <source>Single Axle Load</source>
        <translation>Carga por eje sencillo</translation>
    </message>
    <message>
        <source>Load of one single axle of this row, before the load safety factor</source>
        <translation>Carga de un eje sencillo de esta fila, antes del factor de seguridad de carga</translation>
    </message>
    <message>
        <source>The single axle load</source>
        <translation>La carga por eje sencillo</translation>
    </message>
    <message>
        <source>kips</source>
        <translation>kips</translation>
    </message>
    <message>
        <source>kilonewtons</source>
        <translation>kilonewtons</translation>
    </message>
    <message>
        <source>Single Axle</source>
        <translation>Eje sencillo</translation>
    </message>
    <message>
        <source>Number of single axles of this row&apos;s load</source>
        <translation>Número de ejes sencillos con la carga de esta fila</translation>
    </message>
    <message>
        <source>The number of single axles per 1000 trucks</source>
        <translation>El número de ejes sencillos por cada 1000 camiones</translation>
    </message>
    <message>
        <source>Single Axles per 1000 Trucks</source>
        <translation>Ejes sencillos por cada 1000 camiones</translation>
    </message>
    <message>
        <source>Tandem Axle</source>
        <translation>Eje tándem</translation>
    </message>
    <message>
        <source>Load of one tandem axle of this row, before the load safety factor</source>
        <translation>Carga de un eje tándem de esta fila, antes del factor de seguridad de carga</translation>
    </message>
    <message>
        <source>The tandem axle load</source>
        <translation>La carga por eje tándem</translation>
    </message>
    <message>
        <source>Tandem Axle Load</source>
        <translation>Carga por eje tándem</translation>
    </message>
    <message>
        <source>Number of tandem axles of this row&apos;s load</source>
        <translation>Número de ejes tándem con la carga de esta fila</translation>
    </message>
    <message>
        <source>The number of tandem axles per 1000 trucks</source>
        <translation>El número de ejes tándem por cada 1000 camiones</translation>
    </message>
    <message>
        <source>Tandem Axles per 1000 Trucks</source>
        <translation>Ejes tándem por cada 1000 camiones</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1, %2. Typical range %3.</source>
        <translation>%1, %2. Intervalo típico de %3.</translation>
    </message>
    <message>
        <source>%1 is an invalid number; please try again!</source>
        <translation>%1 no es un número válido: escriba un número con punto decimal (9.5, no 9,5) y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is not within the typical data range( %2,  %3). Accept the suggested minimum value?</source>
        <translation>%1 no está dentro del intervalo típico de datos (%2, %3). ¿Aceptar el valor mínimo sugerido?</translation>
    </message>
    <message>
        <source>%1 is not within the typical data range( %2,  %3). Accept the suggested maximum value?</source>
        <translation>%1 no está dentro del intervalo típico de datos (%2, %3). ¿Aceptar el valor máximo sugerido?</translation>
    </message>
    <message>
        <source>Keep the %1 input value anyway!</source>
        <translation>¡Se conserva de todos modos el valor de %1!</translation>
    </message>
    <message>
        <source>%1, row %2 (%3)</source>
        <translation>%1, fila %2 (%3)</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1, fila %2</translation>
    </message>
    <message>
        <source>%1 in row %2</source>
        <translation>%1 en la fila %2</translation>
    </message>
    <message>
        <source>Input Data Check</source>
        <translation>Verificación de datos</translation>
    </message>
    <message>
        <source>Trial Thickness, h (cm)</source>
        <translation>Espesor de prueba, h (cm)</translation>
    </message>
    <message>
        <source>Trial Thickness, h (in)</source>
        <translation>Espesor de prueba, h (in)</translation>
    </message>
    <message>
        <source>Subgrade Modulus, K (kPa/mm)</source>
        <translation>Módulo de reacción de la subrasante, K (kPa/mm)</translation>
    </message>
    <message>
        <source>Subgrade Modulus, k (kPa/mm)</source>
        <translation>Módulo de reacción de la subrasante, k (kPa/mm)</translation>
    </message>
    <message>
        <source>Subgrade Modulus, K (psi/in)</source>
        <translation>Módulo de reacción de la subrasante, K (psi/in)</translation>
    </message>
    <message>
        <source>Subgrade Modulus, k (psi/in)</source>
        <translation>Módulo de reacción de la subrasante, k (psi/in)</translation>
    </message>
    <message>
        <source>Modulus of Rupture, Sc (kPa)</source>
        <translation>Módulo de ruptura, Sc (kPa)</translation>
    </message>
    <message>
        <source>Modulus of Rupture, Sc (psi)</source>
        <translation>Módulo de ruptura, Sc (psi)</translation>
    </message>
    <message>
        <source>Axle Load (kN)</source>
        <translation>Carga por eje (kN)</translation>
    </message>
    <message>
        <source>Axle Load (kips)</source>
        <translation>Carga por eje (kips)</translation>
    </message>
    <message>
        <source>Concrete Shoulder</source>
        <translation>Bermas de concreto</translation>
    </message>
    <message>
        <source>Doweled Joints</source>
        <translation>Juntas con pasadores</translation>
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
        <source>Average Daily Traffic, ADT</source>
        <translation>Tránsito promedio diario, ADT</translation>
    </message>
    <message>
        <source>Proportion of Trucks,%</source>
        <translation>Porcentaje de camiones, %</translation>
    </message>
    <message>
        <source>Annual Growth Rate, %</source>
        <translation>Tasa de crecimiento anual, %</translation>
    </message>
    <message>
        <source>Direction Distribution,%</source>
        <translation>Distribución por sentido, %</translation>
    </message>
    <message>
        <source>Lane Distribution,%</source>
        <translation>Distribución por carril, %</translation>
    </message>
    <message>
        <source>Design Period, Years</source>
        <translation>Periodo de diseño, años</translation>
    </message>
    <message>
        <source>Load Safety Factor, LSF</source>
        <translation>Factor de seguridad de carga, LSF</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Sencillo</translation>
    </message>
    <message>
        <source>Tandem</source>
        <translation>Tándem</translation>
    </message>
    <message>
        <source>Axle/1000</source>
        <translation>Ejes/1000</translation>
    </message>
</context>
<context>
    <name>Kept inputs</name>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 is not true or false</source>
        <translation>%1 no es verdadero ni falso</translation>
    </message>
    <message>
        <source>%1 is not a text</source>
        <translation>%1 no es un texto</translation>
    </message>
    <message>
        <source>%1 holds a character that no typed text can hold</source>
        <translation>%1 contiene un carácter que ningún texto escrito puede contener</translation>
    </message>
    <message>
        <source>%1 is not a list</source>
        <translation>%1 no es una lista</translation>
    </message>
    <message>
        <source>%1 is not a list of %2 values</source>
        <translation>%1 no es una lista de %2 valores</translation>
    </message>
    <message>
        <source>%1 is not a group of values</source>
        <translation>%1 no es un grupo de valores</translation>
    </message>
    <message>
        <source>%1 is not a caption this program writes</source>
        <translation>%1 no es un rótulo que escriba este programa</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 no es un número</translation>
    </message>
    <message>
        <source>its format %1 is unknown to this version of the page</source>
        <translation>esta versión de la página no conoce su formato %1</translation>
    </message>
    <message>
        <source>they are not in a format the page keeps (%1)</source>
        <translation>no están en un formato que guarde la página (%1)</translation>
    </message>
    <message>
        <source>%1 is not a time a clock can show</source>
        <translation>%1 no es una hora que un reloj pueda mostrar</translation>
    </message>
    <message>
        <source>%1 is neither 0 (English) nor 1 (Metric)</source>
        <translation>%1 no es ni 0 (inglés) ni 1 (métrico)</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>Memo</name>
    <message>
        <source>Unit system</source>
        <translation>Sistema de unidades</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Axle loads: the %1 axle-load spectrum</source>
        <translation>Cargas por eje: el espectro de cargas por eje %1</translation>
    </message>
    <message>
        <source>Axle loads</source>
        <translation>Cargas por eje</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Single axle load (%1)</source>
        <translation>Carga por eje sencillo (%1)</translation>
    </message>
    <message>
        <source>Single axles per 1000 trucks</source>
        <translation>Ejes sencillos por cada 1000 camiones</translation>
    </message>
    <message>
        <source>Tandem axle load (%1)</source>
        <translation>Carga por eje tándem (%1)</translation>
    </message>
    <message>
        <source>Tandem axles per 1000 trucks</source>
        <translation>Ejes tándem por cada 1000 camiones</translation>
    </message>
    <message>
        <source>Design memo</source>
        <translation>Memoria de diseño</translation>
    </message>
    <message>
        <source>Project information</source>
        <translation>Información del proyecto</translation>
    </message>
    <message>
        <source>Input warnings</source>
        <translation>Advertencias sobre los datos</translation>
    </message>
    <message>
        <source>Inputs as entered</source>
        <translation>Datos de entrada como se introdujeron</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>As entered</source>
        <translation>Como se introdujo</translation>
    </message>
    <message>
        <source>Computed with %1.</source>
        <translation>Calculado con %1.</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Designed by: %1</source>
        <translation>Diseñó: %1</translation>
    </message>
    <message>
        <source>Checked by: %1</source>
        <translation>Revisó: %1</translation>
    </message>
    <message>
        <source>Date: ____________</source>
        <translation>Fecha: ____________</translation>
    </message>
    <message>
        <source>unsaved inputs</source>
        <translation>datos sin guardar</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Damage Chart</source>
        <translation>Gráfico de daño</translation>
    </message>
    <message>
        <source>Total damage against slab thickness</source>
        <translation>Daño total según el espesor de la losa</translation>
    </message>
    <message>
        <source>Slab thickness (%1)</source>
        <translation>Espesor de la losa (%1)</translation>
    </message>
    <message>
        <source>Total damage (%), log scale</source>
        <translation>Daño total (%), escala logarítmica</translation>
    </message>
    <message>
        <source>Total fatigue damage</source>
        <translation>Daño total por fatiga</translation>
    </message>
    <message>
        <source>Total erosion damage</source>
        <translation>Daño total por erosión</translation>
    </message>
    <message>
        <source>Recommended %1 %2</source>
        <translation>Recomendado %1 %2</translation>
    </message>
    <message>
        <source>Damage per axle row (%)</source>
        <translation>Daño por fila de ejes (%)</translation>
    </message>
    <message>
        <source>Damage (%)</source>
        <translation>Daño (%)</translation>
    </message>
    <message>
        <source>Fatigue</source>
        <translation>Fatiga</translation>
    </message>
    <message>
        <source>Erosion</source>
        <translation>Erosión</translation>
    </message>
    <message>
        <source>Sensitivity of the recommended thickness</source>
        <translation>Sensibilidad del espesor recomendado</translation>
    </message>
    <message>
        <source>input -20 %</source>
        <translation>dato -20 %</translation>
    </message>
    <message>
        <source>input +20 %</source>
        <translation>dato +20 %</translation>
    </message>
    <message>
        <source>Recommended thickness with one input 20 % lower or higher</source>
        <translation>Espesor recomendado con un dato 20 % menor o mayor</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Value -20 %</source>
        <translation>Valor -20 %</translation>
    </message>
    <message>
        <source>Value +20 %</source>
        <translation>Valor +20 %</translation>
    </message>
    <message>
        <source>Thickness (%1)</source>
        <translation>Espesor (%1)</translation>
    </message>
    <message>
        <source>Recommended thickness (%1)</source>
        <translation>Espesor recomendado (%1)</translation>
    </message>
    <message>
        <source>Design alternatives</source>
        <translation>Alternativas de diseño</translation>
    </message>
    <message>
        <source>The recommended thickness for each combination of concrete shoulder and doweled joints, all other inputs as entered.</source>
        <translation>El espesor recomendado para cada combinación de bermas de concreto y juntas con pasadores, con los demás datos como se introdujeron.</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>as entered</source>
        <translation>como se introdujo</translation>
    </message>
    <message>
        <source>Calculation details</source>
        <translation>Detalles del cálculo</translation>
    </message>
    <message>
        <source>No analysis has been run yet: run Perform Analysis before exporting to see the calculation details.</source>
        <translation>Aún no se ha realizado ningún análisis: ejecute Realizar análisis antes de exportar para ver los detalles del cálculo.</translation>
    </message>
    <message>
        <source>Trial %1 %2</source>
        <translation>De prueba %1 %2</translation>
    </message>
    <message>
        <source>Axle load (kips)</source>
        <translation>Carga por eje (kips)</translation>
    </message>
    <message>
        <source>Axle load (kN)</source>
        <translation>Carga por eje (kN)</translation>
    </message>
    <message>
        <source>No analysis has been run yet. Perform Analysis draws the damage of each axle row here.</source>
        <translation>Aún no se ha realizado ningún análisis. Realizar análisis dibuja aquí el daño de cada fila de ejes.</translation>
    </message>
    <message>
        <source>No recommended thickness to compare with.</source>
        <translation>No hay un espesor recomendado con el cual comparar.</translation>
    </message>
    <message>
        <source>no thickness found</source>
        <translation>no se halló espesor</translation>
    </message>
    <message>
        <source>Inputs SHA-256 %1</source>
        <translation>Datos SHA-256 %1</translation>
    </message>
    <message>
        <source>The design&apos;s inputs are attached to this PDF as %1</source>
        <translation>Los datos del diseño van adjuntos a este PDF como %1</translation>
    </message>
    <message>
        <source>SHA-256 of %1: %2</source>
        <translation>SHA-256 de %1: %2</translation>
    </message>
    <message>
        <source>The QR code holds %1: a phone&apos;s QR reader gives its text back.</source>
        <translation>El código QR contiene %1: el lector de QR de un teléfono devuelve su texto.</translation>
    </message>
    <message>
        <source>%1 is too long for a QR code: the code holds its SHA-256 fingerprint.</source>
        <translation>%1 es demasiado largo para un código QR: el código contiene su huella SHA-256.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>ZAN Thickness Design: Fatigue Analysis</source>
        <translation>ZAN Thickness Design: análisis por fatiga</translation>
    </message>
    <message>
        <source>ZAN Thickness Design: Erosion Analysis</source>
        <translation>ZAN Thickness Design: análisis por erosión</translation>
    </message>
    <message>
        <source>Recommended Design Thickness</source>
        <translation>Espesor de diseño recomendado</translation>
    </message>
    <message>
        <source>The fatigue damage exceeds 100%.</source>
        <translation>El daño por fatiga supera el 100 %.</translation>
    </message>
    <message>
        <source>The erosion damage exceeds 100%.</source>
        <translation>El daño por erosión supera el 100 %.</translation>
    </message>
    <message>
        <source>The file %1 %2. Nothing was loaded.</source>
        <translation>El archivo %1 %2. No se cargó nada.</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>no se pudo leer: %1</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>no hay suficiente memoria</translation>
    </message>
    <message>
        <source>The Recommended Minimum Slab Thickness is :  %1  %2.</source>
        <translation>El espesor mínimo recomendado de la losa es:  %1  %2.</translation>
    </message>
    <message>
        <source>Incorrect Input File!</source>
        <translation>¡Archivo de datos de entrada incorrecto!</translation>
    </message>
    <message>
        <source>ends before the tenth axle-load row</source>
        <translation>termina antes de la décima fila de cargas por eje</translation>
    </message>
    <message>
        <source>%1  Loaded!</source>
        <translation>%1  ¡Cargado!</translation>
    </message>
    <message>
        <source>a line end</source>
        <translation>un salto de línea</translation>
    </message>
    <message>
        <source>a double quote</source>
        <translation>comillas dobles</translation>
    </message>
    <message>
        <source>Pavement Data</source>
        <translation>Datos del pavimento</translation>
    </message>
    <message>
        <source>Traffic Data</source>
        <translation>Datos del tránsito</translation>
    </message>
    <message>
        <source>Axle-Load Categories, row %1</source>
        <translation>Categorías de carga por eje, fila %1</translation>
    </message>
    <message>
        <source>The input data were not saved: a text in %1 holds %2, which an input data file cannot keep. Change it and save again.</source>
        <translation>Los datos de entrada no se guardaron: un texto de %1 contiene %2, que un archivo de datos de entrada no puede conservar. Cámbielo y vuelva a guardar.</translation>
    </message>
    <message>
        <source>the input data file would be %1 bytes, more than the %2 an input data file may have</source>
        <translation>el archivo de datos de entrada tendría %1 bytes, más de los %2 que puede tener un archivo de datos de entrada</translation>
    </message>
    <message>
        <source>The project information is too long: %1. Shorten it and press OK again.</source>
        <translation>La información del proyecto es demasiado larga: %1. Acórtela y pulse Aceptar de nuevo.</translation>
    </message>
    <message>
        <source>The input data were not saved: %1. Shorten the project information and save again.</source>
        <translation>Los datos de entrada no se guardaron: %1. Acorte la información del proyecto y vuelva a guardar.</translation>
    </message>
    <message>
        <source>Only the first file was read:<byte value="xd"/>
%1<byte value="xd"/>
These files were ignored:<byte value="xd"/>
%2</source>
        <translation>Solo se leyó el primer archivo:<byte value="xd"/>
%1<byte value="xd"/>
Se ignoraron estos archivos:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>es una tubería con nombre (FIFO), no un archivo normal</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>es un dispositivo, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es un socket, no un archivo normal</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB, far more than an input data file holds</source>
        <translation>es mayor que %1 MiB, mucho más de lo que contiene un archivo de datos de entrada</translation>
    </message>
    <message>
        <source>it is write-protected</source>
        <translation>está protegido contra escritura</translation>
    </message>
    <message>
        <source>no program reads from this named pipe</source>
        <translation>ningún programa lee de esta tubería con nombre</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>a read failed</source>
        <translation>falló una lectura</translation>
    </message>
    <message>
        <source>no temporary file could be created</source>
        <translation>no se pudo crear un archivo temporal</translation>
    </message>
    <message>
        <source>a write failed</source>
        <translation>falló una escritura</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2. The previous file, if any, was left unchanged.</source>
        <translation>No se pudo escribir el archivo %1: %2. El archivo anterior, si lo había, quedó sin cambios.</translation>
    </message>
    <message>
        <source>The modulus of rupture Sc is zero, so the stress ratios of the fatigue table cannot be computed. Enter a modulus of rupture greater than zero.</source>
        <translation>El módulo de ruptura Sc es cero, así que no se pueden calcular las relaciones de esfuerzos de la tabla de fatiga. Introduzca un módulo de ruptura mayor que cero.</translation>
    </message>
    <message>
        <source>The modulus of rupture Sc is too small for the stress ratios of the fatigue table to be computed. Enter the modulus of rupture of the concrete.</source>
        <translation>El módulo de ruptura Sc es demasiado pequeño para calcular las relaciones de esfuerzos de la tabla de fatiga. Introduzca el módulo de ruptura del concreto.</translation>
    </message>
    <message>
        <source>The analysis results hold a value that is not a finite number, so the report cannot show them. Run the analysis again.</source>
        <translation>Los resultados del análisis contienen un valor que no es un número finito, así que el informe no puede mostrarlos. Repita el análisis.</translation>
    </message>
    <message>
        <source>The projected truck traffic</source>
        <translation>El tránsito de camiones proyectado</translation>
    </message>
    <message>
        <source>%1 is -100 % or less; the traffic cannot fall by all of itself or more each year. Nothing was analysed.</source>
        <translation>%1 es de -100 % o menos; el tránsito no puede disminuir cada año en todo su valor o más. No se analizó nada.</translation>
    </message>
    <message>
        <source>%1 is zero or negative after the load safety factor. Every axle load must be greater than zero. Nothing was analysed.</source>
        <translation>%1 tiene un valor cero o negativo después del factor de seguridad de carga. Toda carga por eje debe ser mayor que cero. No se analizó nada.</translation>
    </message>
    <message>
        <source>%1 is zero or negative; it must be greater than zero. Nothing was analysed.</source>
        <translation>%1 tiene un valor cero o negativo; debe ser mayor que cero. No se analizó nada.</translation>
    </message>
    <message>
        <source>%1 is negative; it must be zero or more. Nothing was analysed.</source>
        <translation>%1 tiene un valor negativo; debe ser cero o más. No se analizó nada.</translation>
    </message>
    <message>
        <source>%1 is too large to compute with; check ADT, TD, DD, LD, the growth rate and the design period. Nothing was analysed.</source>
        <translation>%1 tiene un valor demasiado grande para calcular con él; revise ADT, TD, DD, LD, la tasa de crecimiento y el periodo de diseño. No se analizó nada.</translation>
    </message>
    <message>
        <source>%1 is too large to compute with. Nothing was analysed.</source>
        <translation>%1 tiene un valor demasiado grande para calcular con él. No se analizó nada.</translation>
    </message>
    <message>
        <source>%1 gives no finite result; the trial thickness, the subgrade modulus or the load is outside what the models can take. Nothing was analysed.</source>
        <translation>%1 no da un resultado finito; el espesor de prueba, el módulo de reacción de la subrasante o la carga está fuera de lo que los modelos admiten. No se analizó nada.</translation>
    </message>
    <message>
        <source>%1 allows no repetitions at all: the slab is far too thin, or the modulus of rupture far too low, for this load. Nothing was analysed.</source>
        <translation>%1 no admite ninguna repetición: la losa es demasiado delgada, o el módulo de ruptura demasiado bajo, para esta carga. No se analizó nada.</translation>
    </message>
    <message>
        <source>%1 cannot be analysed.</source>
        <translation>%1 no se puede analizar.</translation>
    </message>
    <message>
        <source>The search starts from the trial thickness rounded down to a whole number, and a trial thickness below 1 %1 rounds down to 0. Enter a trial thickness of 1 %1 or more. The trial thickness was left unchanged.</source>
        <translation>La búsqueda empieza en el espesor de prueba redondeado hacia abajo a un número entero, y un espesor de prueba menor que 1 %1 se redondea a 0. Introduzca un espesor de prueba de 1 %1 o más. El espesor de prueba no se cambió.</translation>
    </message>
    <message>
        <source>No slab thickness up to %1 %2 keeps both the fatigue and the erosion damage below 100%. The trial thickness was left unchanged.</source>
        <translation>Ningún espesor de la losa hasta %1 %2 mantiene el daño por fatiga y el daño por erosión por debajo del 100 %. El espesor de prueba no se cambió.</translation>
    </message>
    <message>
        <source>The first line of %1 is neither ****ENG**** nor ****SI****: its inputs were read in %2 units, the unit system in force. Check them before analysing.</source>
        <translation>La primera línea de %1 no es ****ENG**** ni ****SI****: sus datos se leyeron en unidades %2, el sistema de unidades vigente. Revíselos antes de analizar.</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>métricas</translation>
    </message>
    <message>
        <source>English</source>
        <translation>inglesas</translation>
    </message>
    <message>
        <source>The analysis of the %1 axle load in row %2</source>
        <translation>El análisis de la carga por eje %1 de la fila %2</translation>
    </message>
    <message>
        <source>single</source>
        <translation>sencillo</translation>
    </message>
    <message>
        <source>tandem</source>
        <translation>tándem</translation>
    </message>
    <message>
        <source>Windows keeps this name for the device %1, with any extension and in any folder</source>
        <translation>Windows reserva este nombre para el dispositivo %1, con cualquier extensión y en cualquier carpeta</translation>
    </message>
    <message>
        <source>it names a stream inside a file, not a file</source>
        <translation>nombra un flujo dentro de un archivo, no un archivo</translation>
    </message>
    <message>
        <source>it is the console, and the program runs without one</source>
        <translation>es la consola, y el programa se ejecuta sin ella</translation>
    </message>
    <message>
        <source>it is a damaged PDF</source>
        <translation>es un PDF dañado</translation>
    </message>
    <message>
        <source>it is a PDF without an attached input data file (.DEF); a design memo exported by this program carries one</source>
        <translation>es un PDF sin archivo de datos de entrada (.DEF) adjunto; una memoria de diseño exportada por este programa lleva uno</translation>
    </message>
    <message>
        <source>it is a PDF, and this build of the program cannot read the input data file attached to a design memo; read the .DEF file instead</source>
        <translation>es un PDF, y esta compilación del programa no puede leer el archivo de datos de entrada adjunto a una memoria de diseño; lea en su lugar el archivo .DEF</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Project Information</source>
        <translation>Información del proyecto</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>Proyectista</translation>
    </message>
    <message>
        <source>Checker</source>
        <translation>Revisor</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revisión</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>Runs</name>
    <message>
        <source>The inputs changed after the last analysis: the report&apos;s tables are from the earlier inputs.</source>
        <translation>Los datos cambiaron después del último análisis: las tablas del informe son de los datos anteriores.</translation>
    </message>
    <message>
        <source>&amp;Analyse Again</source>
        <translation>Analizar de &amp;nuevo</translation>
    </message>
    <message>
        <source>Run the last analysis again at the inputs as they are now.</source>
        <translation>Repetir el último análisis con los datos tal como están ahora.</translation>
    </message>
    <message>
        <source>The inputs have changed since the last analysis, so the tables do not belong to them. Analyse again first?</source>
        <translation>Los datos han cambiado desde el último análisis, así que las tablas no les corresponden. ¿Analizar de nuevo primero?</translation>
    </message>
    <message>
        <source>Inputs changed after this analysis</source>
        <translation>Datos cambiados después de este análisis</translation>
    </message>
</context>
<context>
    <name>Spectra</name>
    <message>
        <source>Light</source>
        <translation>Ligero</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Heavy</source>
        <translation>Pesado</translation>
    </message>
    <message>
        <source>Very Heavy</source>
        <translation>Muy pesado</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>estándar</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>fatigue and erosion govern alike</source>
        <translation>la fatiga y la erosión controlan por igual</translation>
    </message>
    <message>
        <source>fatigue governs</source>
        <translation>controla la fatiga</translation>
    </message>
    <message>
        <source>erosion governs</source>
        <translation>controla la erosión</translation>
    </message>
    <message>
        <source>fatigue %1 and erosion %2 exceed %3: the slab fails in fatigue and erosion</source>
        <translation>daño por fatiga %1 y daño por erosión %2 superan el %3: la losa falla por fatiga y por erosión</translation>
    </message>
    <message>
        <source>fatigue %1 exceeds %2: the slab fails in fatigue</source>
        <translation>daño por fatiga %1 supera el %2: la losa falla por fatiga</translation>
    </message>
    <message>
        <source>erosion %1 exceeds %2: the slab fails in erosion</source>
        <translation>daño por erosión %1 supera el %2: la losa falla por erosión</translation>
    </message>
    <message>
        <source>fatigue %1, erosion %2 (both at most %3); %4</source>
        <translation>daño por fatiga %1, daño por erosión %2 (ambos como máximo %3); %4</translation>
    </message>
    <message>
        <source>fatigue %1 (at most %2); erosion not analysed</source>
        <translation>daño por fatiga %1 (como máximo %2); erosión no analizada</translation>
    </message>
    <message>
        <source>erosion %1 (at most %2); fatigue not analysed</source>
        <translation>daño por erosión %1 (como máximo %2); fatiga no analizada</translation>
    </message>
    <message>
        <source>No analysis has been run: there is no verdict yet.</source>
        <translation>No se ha realizado ningún análisis: aún no hay veredicto.</translation>
    </message>
    <message>
        <source>Recommended thickness %1: %2</source>
        <translation>Espesor recomendado %1: %2</translation>
    </message>
    <message>
        <source>Trial thickness %1: %2</source>
        <translation>Espesor de prueba %1: %2</translation>
    </message>
</context>
<context>
    <name>Warnings</name>
    <message>
        <source>%1 = %2 is outside the typical range %3</source>
        <translation>%1 = %2 está fuera del intervalo típico %3</translation>
    </message>
    <message>
        <source>%1 = %2 is read as %3</source>
        <translation>%1 = %2 se lee como %3</translation>
    </message>
    <message>
        <source>it repeats the marker</source>
        <translation>repite el marcador</translation>
    </message>
    <message>
        <source>only the first %1 line is read</source>
        <translation>solo se lee la primera línea %1</translation>
    </message>
    <message>
        <source>it is not %1</source>
        <translation>no es %1</translation>
    </message>
    <message>
        <source>Project information: %1 is kept unread: %2</source>
        <translation>Información del proyecto: %1 se conserva sin leer: %2</translation>
    </message>
    <message>
        <source>Project information: %1 lines are kept unread (repeated keys or markers, or text that is not %2), the first %3</source>
        <translation>Información del proyecto: %1 líneas se conservan sin leer (claves o marcadores repetidos, o texto que no es %2), la primera %3</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Open .DEF</source>
        <translation>Abrir .DEF</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>The inputs are in these units now; reading a .DEF file changes them.</source>
        <translation>Los datos están ahora en estas unidades; leer un archivo .DEF las cambia.</translation>
    </message>
    <message>
        <source>Save .DEF</source>
        <translation>Guardar .DEF</translation>
    </message>
    <message>
        <source>Save report .PRN</source>
        <translation>Guardar informe .PRN</translation>
    </message>
    <message>
        <source>Save details .csv</source>
        <translation>Guardar detalles .csv</translation>
    </message>
    <message>
        <source>Print memo</source>
        <translation>Imprimir memoria</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Open a .DEF file, or drop one anywhere on the page.</source>
        <translation>Abra un archivo .DEF, o suéltelo en cualquier lugar de la página.</translation>
    </message>
    <message>
        <source>Start afresh</source>
        <translation>Empezar de nuevo</translation>
    </message>
    <message>
        <source>Pavement Data</source>
        <translation>Datos del pavimento</translation>
    </message>
    <message>
        <source>Traffic Data</source>
        <translation>Datos del tránsito</translation>
    </message>
    <message>
        <source>Axle-Load Categories</source>
        <translation>Categorías de carga por eje</translation>
    </message>
    <message>
        <source>Axle load category</source>
        <translation>Categoría de carga por eje</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Fatigue Analysis</source>
        <translation>Análisis por fatiga</translation>
    </message>
    <message>
        <source>Erosion Analysis</source>
        <translation>Análisis por erosión</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Compute Design Thickness</source>
        <translation>Calcular espesor de diseño</translation>
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
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Your inputs kept on %1 at %2 were restored</source>
        <translation>Se restauraron sus datos guardados el %1 a las %2</translation>
    </message>
    <message>
        <source>Your inputs from %1, kept on %2 at %3, were restored</source>
        <translation>Se restauraron sus datos de %1, guardados el %2 a las %3</translation>
    </message>
    <message>
        <source>Start afresh with the initial design? Your inputs hold changes not saved to a .DEF file, which will be lost.</source>
        <translation>¿Empezar de nuevo con el diseño inicial? Sus datos tienen cambios que no se guardaron en un archivo .DEF y que se perderán.</translation>
    </message>
    <message>
        <source>Inputs kept from an earlier version could not be restored: %1</source>
        <translation>No se pudieron restaurar los datos guardados por una versión anterior: %1</translation>
    </message>
    <message>
        <source>Discard them</source>
        <translation>Descartarlos</translation>
    </message>
    <message>
        <source>Discard the inputs kept from an earlier version? This version of the page cannot restore them; the version that kept them may.</source>
        <translation>¿Descartar los datos guardados por una versión anterior? Esta versión de la página no puede restaurarlos; la versión que los guardó quizá sí.</translation>
    </message>
    <message>
        <source>Your last change could not be kept in this browser: its storage is full or refused. Save a .DEF file to keep your inputs.</source>
        <translation>Su último cambio no se pudo guardar en este navegador: su almacenamiento está lleno o no lo admite. Guarde un archivo .DEF para conservar sus datos.</translation>
    </message>
</context>
<context>
    <name>zan</name>
    <message>
        <source>The PDF document could not be started.</source>
        <translation>No se pudo iniciar el documento PDF.</translation>
    </message>
    <message>
        <source>The PDF document could not start a new page.</source>
        <translation>El documento PDF no pudo comenzar una página nueva.</translation>
    </message>
    <message>
        <source>The PDF document could not be finished.</source>
        <translation>No se pudo terminar el documento PDF.</translation>
    </message>
</context>
<context>
    <name>zan::AboutWindow</name>
    <message>
        <source>ZAN Thickness Design Program</source>
        <translation>Programa ZAN Thickness Design</translation>
    </message>
    <message>
        <source>for Concrete Highway and Street Pavements</source>
        <translation>para pavimentos de concreto de carreteras y calles</translation>
    </message>
    <message>
        <source>Developed at the</source>
        <translation>Desarrollado en el</translation>
    </message>
    <message>
        <source>ZAN Thickness Design project</source>
        <translation>proyecto ZAN Thickness Design</translation>
    </message>
    <message>
        <source>Open pavement design software</source>
        <translation>Software abierto de diseño de pavimentos</translation>
    </message>
    <message>
        <source>wherever its contributors live</source>
        <translation>dondequiera que vivan sus colaboradores</translation>
    </message>
    <message>
        <source>Sponsored by</source>
        <translation>Patrocinado por</translation>
    </message>
    <message>
        <source>the engineers who use it</source>
        <translation>los ingenieros que lo usan</translation>
    </message>
    <message>
        <source>in every country</source>
        <translation>en todos los países</translation>
    </message>
    <message>
        <source>Release %1, December 2026</source>
        <translation>Versión %1, diciembre de 2026</translation>
    </message>
    <message>
        <source>Written by</source>
        <translation>Escrito por</translation>
    </message>
    <message>
        <source>The ZAN Thickness Design contributors</source>
        <translation>Los colaboradores de ZAN Thickness Design</translation>
    </message>
    <message>
        <source>developers and pavement engineers</source>
        <translation>desarrolladores e ingenieros de pavimentos</translation>
    </message>
    <message>
        <source>of the ZAN Thickness Design project</source>
        <translation>del proyecto ZAN Thickness Design</translation>
    </message>
    <message>
        <source>working from many cities</source>
        <translation>que trabajan desde muchas ciudades</translation>
    </message>
    <message>
        <source>Under the Supervision of</source>
        <translation>Bajo la supervisión de</translation>
    </message>
    <message>
        <source>The project&apos;s maintainers</source>
        <translation>Los responsables del proyecto</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <source>The project&apos;s reviewers</source>
        <translation>Los revisores del proyecto</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Más</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>zan::DamageChartWindow</name>
    <message>
        <source>PNG Image|*.png|SVG Drawing|*.svg</source>
        <translation>Imagen PNG|*.png|Dibujo SVG|*.svg</translation>
    </message>
    <message>
        <source>The file %1 could not be written: the image could not be drawn.</source>
        <translation>No se pudo escribir el archivo %1: no se pudo dibujar la imagen.</translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation>Guardar &amp;imagen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>zan::InputDialog</name>
    <message>
        <source>Axle-Load Categories</source>
        <translation>Categorías de carga por eje</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Check the values against their typical ranges and keep them.</source>
        <translation>Comprobar los valores con sus intervalos típicos y conservarlos.</translation>
    </message>
    <message>
        <source>Put back the values you came to the dialog with, and close it.</source>
        <translation>Devolver los valores que había al abrir el cuadro y cerrarlo.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Pavement Data</source>
        <translation>Datos del pavimento</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Traffic Data</source>
        <translation>Datos del tránsito</translation>
    </message>
</context>
<context>
    <name>zan::MainWindow</name>
    <message>
        <source>PDF files (*.pdf)|*.pdf</source>
        <translation>Archivos PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The input data have changed since they were last saved. Save them before closing?</source>
        <translation>Los datos de entrada han cambiado desde la última vez que se guardaron. ¿Guardarlos antes de cerrar?</translation>
    </message>
    <message>
        <source>Save Dialog</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Metric System Selected</source>
        <translation>Sistema métrico seleccionado</translation>
    </message>
    <message>
        <source>English System Selected</source>
        <translation>Sistema inglés seleccionado</translation>
    </message>
    <message>
        <source>Only a single input data file (.DEF) can be dropped here.</source>
        <translation>Aquí solo se puede soltar un único archivo de datos de entrada (.DEF).</translation>
    </message>
    <message>
        <source>The report could not be printed: %1</source>
        <translation>No se pudo imprimir el informe: %1</translation>
    </message>
    <message>
        <source>Save Outputs before closing?</source>
        <translation>¿Guardar los resultados antes de cerrar?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Read and save input data, save and print the report, exit.</source>
        <translation>Leer y guardar datos de entrada, guardar e imprimir el informe, salir.</translation>
    </message>
    <message>
        <source>&amp;Default Options</source>
        <translation>&amp;Opciones predeterminadas</translation>
    </message>
    <message>
        <source>Choose the unit system, until the first inputs exist.</source>
        <translation>Elegir el sistema de unidades, mientras no haya datos.</translation>
    </message>
    <message>
        <source>&amp;Metric System</source>
        <translation>Sistema &amp;métrico</translation>
    </message>
    <message>
        <source>Give every input in cm, kPa/mm, kPa and kN.</source>
        <translation>Dar todos los datos en cm, kPa/mm, kPa y kN.</translation>
    </message>
    <message>
        <source>&amp;English System</source>
        <translation>Sistema &amp;inglés</translation>
    </message>
    <message>
        <source>Give every input in in, psi/in, psi and kips.</source>
        <translation>Dar todos los datos en in, psi/in, psi y kips.</translation>
    </message>
    <message>
        <source>&amp;Detailed Reports</source>
        <translation>Informes &amp;detallados</translation>
    </message>
    <message>
        <source>&amp;Read Data From File...</source>
        <translation>&amp;Leer datos de un archivo...</translation>
    </message>
    <message>
        <source>Read all inputs and their unit system from a .DEF file.</source>
        <translation>Leer todos los datos y su sistema de unidades de un archivo .DEF.</translation>
    </message>
    <message>
        <source>&amp;Save Input Data...</source>
        <translation>&amp;Guardar datos de entrada...</translation>
    </message>
    <message>
        <source>Write all inputs to a .DEF file.</source>
        <translation>Escribir todos los datos en un archivo .DEF.</translation>
    </message>
    <message>
        <source>S&amp;ave Report...</source>
        <translation>Guardar in&amp;forme...</translation>
    </message>
    <message>
        <source>Write the report of the inputs and the last analysis to a .PRN file.</source>
        <translation>Escribir el informe de los datos y del último análisis en un archivo .PRN.</translation>
    </message>
    <message>
        <source>&amp;Print Report...</source>
        <translation>&amp;Imprimir informe...</translation>
    </message>
    <message>
        <source>Print the report of the inputs and the last analysis.</source>
        <translation>Imprimir el informe de los datos y del último análisis.</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exportar PDF...</translation>
    </message>
    <message>
        <source>Write the report, charts and calculation details to a PDF.</source>
        <translation>Escribir el informe, los gráficos y los detalles del cálculo en un PDF.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>End the program, after asking whether to save the report.</source>
        <translation>Terminar el programa, tras preguntar si se guarda el informe.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Enter the pavement, traffic and axle-load inputs.</source>
        <translation>Introducir los datos del pavimento, del tránsito y de cargas por eje.</translation>
    </message>
    <message>
        <source>&amp;Pavement Data...</source>
        <translation>Datos del &amp;pavimento...</translation>
    </message>
    <message>
        <source>Slab thickness, subgrade, concrete strength, shoulder, dowels.</source>
        <translation>Espesor de la losa, subrasante, concreto, bermas, pasadores.</translation>
    </message>
    <message>
        <source>&amp;Traffic Data...</source>
        <translation>Datos del &amp;tránsito...</translation>
    </message>
    <message>
        <source>Daily traffic, trucks, distributions, growth, period, LSF.</source>
        <translation>Tránsito diario, camiones, distribuciones, crecimiento, periodo, LSF.</translation>
    </message>
    <message>
        <source>Project &amp;Information...</source>
        <translation>&amp;Información del proyecto...</translation>
    </message>
    <message>
        <source>Project, client, designer and checker for the file and memo.</source>
        <translation>Proyecto, cliente, proyectista y revisor del archivo y la memoria.</translation>
    </message>
    <message>
        <source>&amp;Axle Load Cat...</source>
        <translation>&amp;Categorías de carga...</translation>
    </message>
    <message>
        <source>Fill the axle loads from a built-in spectrum.</source>
        <translation>Llenar las cargas por eje con un espectro incorporado.</translation>
    </message>
    <message>
        <source>Replace the axle loads by the Light category: residential streets.</source>
        <translation>Cambiar las cargas por eje por la categoría Ligero: calles residenciales.</translation>
    </message>
    <message>
        <source>Replace the axle loads by the Medium category: collector streets.</source>
        <translation>Cambiar las cargas por eje por la categoría Medio: calles colectoras.</translation>
    </message>
    <message>
        <source>Replace the axle loads by the Heavy category: arterials, highways.</source>
        <translation>Cambiar las cargas por eje por la categoría Pesado: arterias, carreteras.</translation>
    </message>
    <message>
        <source>Replace the axle loads by the Very Heavy category: heavy trucks.</source>
        <translation>Cambiar las cargas por eje por la categoría Muy pesado: camiones pesados.</translation>
    </message>
    <message>
        <source>Replace the axle loads by the standard spectrum, to type over.</source>
        <translation>Cambiar las cargas por eje por el espectro estándar, para escribir encima.</translation>
    </message>
    <message>
        <source>&amp;Perform Analysis</source>
        <translation>&amp;Realizar análisis</translation>
    </message>
    <message>
        <source>Analyse the trial thickness, or chart the damage.</source>
        <translation>Analizar el espesor de prueba, o graficar el daño.</translation>
    </message>
    <message>
        <source>&amp;Fatigue Analysis</source>
        <translation>Análisis por &amp;fatiga</translation>
    </message>
    <message>
        <source>Analyse the fatigue damage of the trial thickness.</source>
        <translation>Analizar el daño por fatiga del espesor de prueba.</translation>
    </message>
    <message>
        <source>&amp;Erosion Analysis</source>
        <translation>Análisis por &amp;erosión</translation>
    </message>
    <message>
        <source>Analyse the erosion damage of the trial thickness.</source>
        <translation>Analizar el daño por erosión del espesor de prueba.</translation>
    </message>
    <message>
        <source>&amp;Both</source>
        <translation>&amp;Ambos</translation>
    </message>
    <message>
        <source>Analyse the fatigue and erosion damage of the trial thickness.</source>
        <translation>Analizar el daño por fatiga y por erosión del espesor de prueba.</translation>
    </message>
    <message>
        <source>Damage &amp;Chart...</source>
        <translation>&amp;Gráfico de daño...</translation>
    </message>
    <message>
        <source>Chart damage against thickness, per axle row, and sensitivity.</source>
        <translation>Graficar el daño según el espesor, por fila de ejes, y la sensibilidad.</translation>
    </message>
    <message>
        <source>&amp;Compute Design Thickness</source>
        <translation>&amp;Calcular espesor de diseño</translation>
    </message>
    <message>
        <source>Find the thinnest slab with both damages below 100 %.</source>
        <translation>Hallar la losa más delgada con ambos daños bajo el 100 %.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Open the user guide or the About window.</source>
        <translation>Abrir la guía del usuario o la ventana Acerca de.</translation>
    </message>
    <message>
        <source>&amp;Readme</source>
        <translation>&amp;Léame</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>Open the user guide: inputs, commands, report, messages.</source>
        <translation>Abrir la guía del usuario: datos, comandos, informe, mensajes.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Show the program&apos;s title and credits.</source>
        <translation>Mostrar el título y los créditos del programa.</translation>
    </message>
</context>
<context>
    <name>zan::PavementDialog</name>
    <message>
        <source>Concrete shoulder: Yes when a tied concrete shoulder supports the slab edge, No for asphalt, granular or untied shoulders.</source>
        <translation>Bermas de concreto: Sí cuando una berma de concreto amarrada apoya el borde de la losa (con apoyo lateral); No para bermas de asfalto, granulares o no amarradas (sin apoyo lateral).</translation>
    </message>
    <message>
        <source>Doweled joints: Yes when the transverse joints carry dowel bars, No when load transfer is by aggregate interlock only.</source>
        <translation>Juntas con pasadores: Sí cuando las juntas transversales llevan pasadores, No cuando la transferencia de carga es solo por trabazón de agregados.</translation>
    </message>
</context>
<context>
    <name>zan::ProjectDialog</name>
    <message>
        <source>Project Information</source>
        <translation>Información del proyecto</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>&amp;Proyecto:</translation>
    </message>
    <message>
        <source>&amp;Location:</source>
        <translation>&amp;Ubicación:</translation>
    </message>
    <message>
        <source>C&amp;lient:</source>
        <translation>C&amp;liente:</translation>
    </message>
    <message>
        <source>&amp;Designer:</source>
        <translation>Pro&amp;yectista:</translation>
    </message>
    <message>
        <source>C&amp;hecker:</source>
        <translation>&amp;Revisor:</translation>
    </message>
    <message>
        <source>&amp;Revision:</source>
        <translation>Re&amp;visión:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notas:</translation>
    </message>
</context>
<context>
    <name>zan::QtPlatform</name>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>La impresora no pudo comenzar una página nueva.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>La impresora informó de un error.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
</context>
<context>
    <name>zan::UserGuideWindow</name>
    <message>
        <source>ZAN Thickness Design User Guide</source>
        <translation>Guía del usuario de ZAN Thickness Design</translation>
    </message>
</context>
</TS>
